// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementRecord.h"

#include <QByteArray>

#include <array>
#include <optional>
#include <vector>

// The element records indexed by atomic number: 1 to 111 as "dane.dat" holds them, and 112 to 118
// once the newer elements are taken in (NewerElements.h). All zero until loaded.
class ElementTable {
public:
    static constexpr int FileCount = 111;   // the records of "dane.dat"
    static constexpr int KnownCount = 118;  // every element named so far
    static constexpr int FileSize = FileCount * RecordSize;

    ElementTable();

    const TElementRecord& operator[](int index) const;
    TElementRecord& operator[](int index);

    // The last atomic number the table holds: FileCount, or KnownCount with the newer elements.
    int Last() const { return last_; }
    // Records 112 to 118 from the newer elements, in number order; Last() becomes KnownCount.
    void TakeInNewer(const std::vector<TElementRecord>& records);
    // Back to the records of "dane.dat" alone.
    void LeaveOutNewer();

    // Records 1 to 111, each as its 384 bytes in memory: what "dane.dat" holds, whatever else is
    // taken in.
    QByteArray ToBytes() const;

private:
    std::array<TElementRecord, KnownCount> records_;
    int last_ = FileCount;
};

// Index of the last record up to Last() whose symbol equals the text byte for byte, or none.
std::optional<int> Znajdz_pierwiastek(const ElementTable& table, const QByteArray& symbol);
