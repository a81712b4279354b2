// SPDX-License-Identifier: GPL-3.0-or-later
// The time from a tile's click until the program is idle again (the last event handled before a
// quarter of a second without any), with the information window on its first page and on the
// description page, for plain-text descriptions of 64 KB, 1 MB and 8 MB broken into paragraphs, of
// 1 MB and 8 MB in one paragraph, and for an RTF description of 40,000 formatting runs in one
// paragraph.
// Usage (needs an X display): description_load

#include "AtomWindow.h"
#include "Cp1250.h"
#include "PageControl.h"
#include "PlainPanel.h"
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
#include <QTimer>

#include <cstdio>

namespace {

// The application, noting when it last finished handling an event.
class TimedApplication : public UkladApplication {
public:
    using UkladApplication::UkladApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool handled = UkladApplication::notify(receiver, event);
        // the 3D window's frame timer ticks whether it shows or not, doing nothing while hidden
        if (Clock.isValid() && !(OknoA3D && receiver == static_cast<QObject*>(OknoA3D->Timer1)))
            LastHandled = Clock.nsecsElapsed();
        return handled;
    }

    QElapsedTimer Clock;
    qint64 LastHandled = 0;
};

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

// Polish text of about the given number of bytes in Windows-1250, a paragraph every 600 bytes or
// all in one.
QByteArray PlainText(qsizetype bytes, bool paragraphs)
{
    const QByteArray sentence = *StringToCp1250(QString::fromUtf8(
        "Sód jest srebrzystobiałym, bardzo miękkim metalem; w związkach barwi płomień na żółto. "));
    QByteArray text;
    while (text.size() < bytes)
        text += paragraphs && text.size() % 600 < sentence.size() ? "\r\n" + sentence : sentence;
    return text;
}

QByteArray RtfOfRuns(int runs)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Tahoma;}}\\f0\\fs16 ";
    for (int i = 0; i < runs; ++i)
        rtf += i % 2 ? "{\\b S\\'f3d} " : "{\\i wod\\'f3r} ";
    return rtf + "\\par}";
}

// From the click on sodium's tile to the last event handled before 250 ms pass without one.
double MillisecondsToIdle(TimedApplication& application, const QString& file, const QByteArray& content)
{
    QFile out(file);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(content);
    out.close();
    QWidget* tile = AGlowne->TileOf(QStringLiteral("Na"));
    const QPoint at = tile->mapTo(AGlowne, tile->rect().center());
    application.Clock.start();
    application.LastHandled = 0;
    QTest::mouseClick(AGlowne->windowHandle(), Qt::LeftButton, {}, at);
    qint64 seen = -1;
    while (seen != application.LastHandled) {
        seen = application.LastHandled;
        QTest::qWait(250);
    }
    application.Clock.invalidate();
    return double(seen) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    TimedApplication application(argc, argv);
    QTemporaryDir data;
    CopyFolder(QStringLiteral(ASSETS_DIR), data.path());
    CreateWindows(DataFolder(data.path() + QLatin1Char('/')));
    AGlowne->show();
    if (!QTest::qWaitForWindowExposed(AGlowne))
        return 1;
    const QString description = data.path() + QStringLiteral("/Zbiory/opis_011_Na.rtf");

    const struct {
        const char* Name;
        QByteArray Content;
    } samples[] = {
        {"plain text,  64 KB", PlainText(64 * 1024, true)},
        {"plain text,   1 MB", PlainText(1024 * 1024, true)},
        {"plain text,   8 MB", PlainText(8 * 1024 * 1024 - 4096, true)},
        {"one paragraph, 1 MB", PlainText(1024 * 1024, false)},
        {"one paragraph, 8 MB", PlainText(8 * 1024 * 1024 - 4096, false)},
        {"RTF, 40,000 runs in one paragraph", RtfOfRuns(40000)},
    };
    std::printf("%-36s %12s %12s\n", "click to idle", "first page", "description");
    for (const auto& sample : samples) {
        double ms[2];
        for (const bool onDescription : {false, true}) {
            AGlowne->Infoopire(QStringLiteral("Fe"));
            Informacje->suiPageControl1->SetActivePage(onDescription ? Informacje->suiTabSheet4 : Informacje->suiTabSheet1);
            QTest::qWait(100);
            ms[onDescription] = MillisecondsToIdle(application, description, sample.Content);
        }
        std::printf("%-36s %9.1f ms %9.1f ms\n", sample.Name, ms[0], ms[1]);
        std::fflush(stdout);
    }
    DestroyWindows();
    return 0;
}
