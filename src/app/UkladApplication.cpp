// SPDX-License-Identifier: GPL-3.0-or-later
#include "UkladApplication.h"

#include "Accessibility.h"
#include "ErrorReport.h"
#include "FirstFrame.h"
#include "Fonts.h"
#include "Translations.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QSocketNotifier>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The windows are drawn at whole multiples of their 100 % size only: the skin's bitmaps, its
// one-pixel lines and the pixel face's glyphs have no sound picture at 1.25 or 1.5 of a pixel, where
// they would blur or double unevenly. A desktop scale (Xft.dpi, QT_SCREEN_SCALE_FACTORS) is rounded
// to the nearest whole one, halves up (1.25 → 1, 1.5 and 1.75 → 2, 2.5 → 3), and so is a scale
// asked for with QT_SCALE_FACTOR, which Qt would otherwise take as it stands. Runs before the
// application reads either.
int& AtWholeScales(int& argc)
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // "1.5", or per screen "1.5;2" or "HDMI-1=1.5;DP-1=2": every factor to its nearest whole one
    static const QRegularExpression factor(QStringLiteral("(^|[;=])([0-9]*\\.?[0-9]+)"));
    for (const char* variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
        const QString asked = qEnvironmentVariable(variable);
        if (asked.isEmpty())
            continue;  // as mostly: the pattern is never compiled, nor its library paged in
        QString whole;
        qsizetype at = 0;
        for (auto it = factor.globalMatch(asked); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            whole += asked.mid(at, m.capturedStart(2) - at) + QString::number(std::max(1.0, std::round(m.captured(2).toDouble())));
            at = m.capturedEnd(2);
        }
        whole += asked.mid(at);
        if (whole != asked)
            qputenv(variable, whole.toLocal8Bit());
    }
    return argc;
}


int signalSocket[2] = {-1, -1};

void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
}

} // namespace

UkladApplication::UkladApplication(int& argc, char** argv)
    : QApplication(AtWholeScales(argc), argv)
{
    setApplicationName(QStringLiteral("UkladOkresowy"));
    setApplicationDisplayName(Title);
    // the desktop's entry, by which a desktop matches the windows to the menu's name and icon
    setDesktopFileName(QStringLiteral("pl.morvane.ukladokresowy"));
    InstallTranslations(*this, QLocale());
    InstallAccessibility();
    RegisterFonts();
    CloseOnTerminationSignals();
}

void UkladApplication::KeepScaleThatFits(QSize window, char** argv)
{
    const QScreen* screen = primaryScreen();
    if (!screen || screen->devicePixelRatio() <= 1.0 || qEnvironmentVariableIsSet("UKLAD_SCALE_FITTED"))
        return;
    const int ratio = qRound(screen->devicePixelRatio());
    const QSize work = screen->availableGeometry().size() * ratio;  // in the screen's own pixels
    int fitting = ratio;
    while (fitting > 1 && (work.width() < window.width() * fitting || work.height() < window.height() * fitting))
        --fitting;
    if (fitting == ratio)
        return;
    // the ratio is settled once the application exists, so the start begins again at the one that
    // fits, the desktop's own factors set aside for it; once, whatever that start finds
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(fitting));
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("UKLAD_SCALE_FITTED", "1");
    ::execv("/proc/self/exe", argv);
}

void UkladApplication::FinishStart()
{
    setWindowIcon(ProgramIcon());
    ReturnFreedMemory();
}

QIcon UkladApplication::ProgramIcon()
{
    Q_INIT_RESOURCE(icon);
    // every size built in, read as PNG and nothing else: a reader left to guess loads every image
    // plugin to ask it
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) {
        QImageReader reader(file.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

void UkladApplication::CloseOnTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalSocket[1], &byte, 1);
        EndOnRequest();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void UkladApplication::EndOnRequest()
{
    // no one is there to answer a box: what would be shown goes to the standard error, the boxes
    // open now are dismissed (their loops end), the main window closes as a user's close does,
    // writing the table back, and the program ends whatever that gives
    SetErrorPresenter([](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(MessageWithFullStop(message))); });
    for (QWidget* window : topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
    closeAllWindows();
    exit(0);
}

bool UkladApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
