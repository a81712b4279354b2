#include "TableFile.h"

#include "FileAccess.h"
#include "InOutError.h"

void Wczytaj_tablice(ElementTable& table, const DataFolder& folder)
{
    ReadOnlyFile file(folder.TablePath());
    TElementRecord record;
    for (int index = 1; index <= ElementTable::Count; ++index) {
        const std::size_t got = file.Read(reinterpret_cast<char*>(&record), RecordSize);
        if (got < std::size_t(RecordSize)) {
            if (index == 1)
                throw EInOutError(EInOutError::ReadBeyondEnd);
            return;
        }
        table[index] = record;
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
