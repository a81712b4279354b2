// SPDX-License-Identifier: GPL-3.0-or-later
// The time from a tile's click to its description shown (read, laid out with the windows' text
// rules and painted on the description page), for plain-text descriptions of 64 KB, 1 MB and 8 MB
// and for an RTF description of 40,000 formatting runs in one paragraph.
// Usage (needs an X display): description_load

#include "Cp1250.h"
#include "PageControl.h"
#include "RichEdit.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "UkladApplication.h"
#include "WindowSet.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

void CopyFolder(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

// Paragraphs of Polish text, about the given number of bytes in Windows-1250.
QByteArray PlainText(qsizetype bytes)
{
    const QByteArray sentence = *StringToCp1250(QString::fromUtf8(
        "Sód jest srebrzystobiałym, bardzo miękkim metalem; w związkach barwi płomień na żółto. "));
    QByteArray text;
    while (text.size() < bytes)
        text += text.size() % 600 < sentence.size() ? "\r\n" + sentence : sentence;
    return text;
}

QByteArray RtfOfRuns(int runs)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Tahoma;}}\\f0\\fs16 ";
    for (int i = 0; i < runs; ++i)
        rtf += i % 2 ? "{\\b S\\'f3d} " : "{\\i wod\\'f3r} ";
    return rtf + "\\par}";
}

double MillisecondsToShow(const QString& file, const QByteArray& content)
{
    QFile out(file);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(content);
    out.close();
    QElapsedTimer clock;
    clock.start();
    AGlowne->Infoopire(QStringLiteral("Na"));
    Informacje->RichEdit1->viewport()->repaint();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    QTemporaryDir data;
    CopyFolder(QStringLiteral(ASSETS_DIR), data.path());
    CreateWindows(DataFolder(data.path() + QLatin1Char('/')));
    AGlowne->show();
    if (!QTest::qWaitForWindowExposed(AGlowne))
        return 1;
    const QString description = data.path() + QStringLiteral("/Zbiory/opis_011_Na.rtf");
    AGlowne->Infoopire(QStringLiteral("Na"));
    Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);

    const struct {
        const char* Name;
        QByteArray Content;
    } samples[] = {
        {"plain text,  64 KB", PlainText(64 * 1024)},
        {"plain text,   1 MB", PlainText(1024 * 1024)},
        {"plain text,   8 MB", PlainText(8 * 1024 * 1024 - 4096)},
        {"RTF, 40,000 runs in one paragraph", RtfOfRuns(40000)},
    };
    for (const auto& sample : samples) {
        std::printf("%-36s %9.1f ms\n", sample.Name, MillisecondsToShow(description, sample.Content));
        std::fflush(stdout);
    }
    DestroyWindows();
    return 0;
}
