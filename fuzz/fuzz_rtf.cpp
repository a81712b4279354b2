// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a description file: the RTF reader reads any input to its end, and the text
// it puts into the rich-text box's document comes whole.
#include "RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(application);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype characters = 0;
    for (const RtfParagraph& paragraph : ParseRtf(bytes))
        for (const RtfRun& run : paragraph.Runs) {
            if (run.Text.isEmpty())
                __builtin_trap();  // runs hold text
            characters += run.Text.size();
        }
    if (characters > bytes.size())
        __builtin_trap();  // no byte of the file becomes more than one character
    QTextDocument document;
    LoadDescription(document, bytes);
    return 0;
}
