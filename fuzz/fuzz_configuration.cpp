// Arbitrary bytes as "!konfielekt.txt": the look-up and the shell split must never crash, and the
// split gives exactly one count per "+".
#include "Configuration.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* symbol : {"Na", "", "H"}) {
        const auto configuration = ConfigurationInText(text, symbol);
        if (configuration && (configuration->contains('\r') || configuration->contains('\n')))
            __builtin_trap();
    }
    const QList<QByteArray> shells = Podziel_powloki(text);
    if (shells.size() != text.count('+'))
        __builtin_trap();
    return 0;
}
