// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFile.h"

#include "FileAccess.h"
#include "InOutError.h"

#include <cstring>
#include <vector>

void Wczytaj_tablice(ElementTable& table, const DataFolder& folder)
{
    // the whole table in one read: a record at a time took a system call each
    ReadOnlyFile file(folder.TablePath());
    std::vector<char> bytes(std::size_t(ElementTable::FileCount) * RecordSize);
    const std::size_t records = file.Read(bytes.data(), bytes.size()) / RecordSize;
    if (records == 0)
        throw EInOutError(EInOutError::ReadBeyondEnd);
    for (std::size_t index = 1; index <= records; ++index) {
        TElementRecord record;
        std::memcpy(&record, bytes.data() + (index - 1) * RecordSize, RecordSize);
        table[int(index)] = record;
    }
}

void Zapisz_tablice(const ElementTable& table, const DataFolder& folder)
{
    RemoveStaleTemporaryFiles(folder.TablePath());
    const QByteArray content = table.ToBytes();
    if (TryReadFile(folder.TablePath(), content.size() + 1) == content)
        return;
    ReplaceFileAtomically(folder.TablePath(), content);
}
