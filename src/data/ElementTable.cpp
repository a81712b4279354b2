// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementTable.h"

#include <cstring>
#include <stdexcept>

ElementTable::ElementTable()
{
    std::memset(static_cast<void*>(records_.data()), 0, sizeof(records_));
}

const TElementRecord& ElementTable::operator[](int index) const
{
    if (index < 1 || index > KnownCount)
        throw std::out_of_range("element index outside 1..118");
    return records_[std::size_t(index - 1)];
}

TElementRecord& ElementTable::operator[](int index)
{
    return const_cast<TElementRecord&>(std::as_const(*this)[index]);
}

void ElementTable::TakeInNewer(const std::vector<TElementRecord>& records)
{
    if (int(records.size()) != KnownCount - FileCount)
        throw std::invalid_argument("the newer elements are seven records");
    std::memcpy(static_cast<void*>(records_.data() + FileCount), records.data(), records.size() * sizeof(TElementRecord));
    last_ = KnownCount;
}

void ElementTable::LeaveOutNewer()
{
    last_ = FileCount;
}

QByteArray ElementTable::ToBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(records_.data()), FileSize);
}

std::optional<int> Znajdz_pierwiastek(const ElementTable& table, const QByteArray& symbol)
{
    std::optional<int> found;
    for (int i = 1; i <= table.Last(); ++i)
        if (table[i].Symbol.Text() == symbol)
            found = i;
    return found;
}
