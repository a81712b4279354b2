// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementRecord.h"

#include <QByteArray>

#include <array>
#include <optional>

// The 111 element records, indexed 1 to 111; record k holds atomic number k. All zero until loaded.
class ElementTable {
public:
    static constexpr int Count = 111;
    static constexpr int FileSize = Count * RecordSize;

    ElementTable();

    const TElementRecord& operator[](int index) const;
    TElementRecord& operator[](int index);


    // Records 1 to 111, each as its 384 bytes in memory.
    QByteArray ToBytes() const;

private:
    std::array<TElementRecord, Count> records_;
};

// Index of the last record whose symbol equals the text byte for byte, or none.
std::optional<int> Znajdz_pierwiastek(const ElementTable& table, const QByteArray& symbol);
