#include "UkladApplication.h"

#include "ErrorReport.h"
#include "FirstFrame.h"
#include "Fonts.h"
#include "Translations.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSocket[2] = {-1, -1};

void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
}

} // namespace

UkladApplication::UkladApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("UkladOkresowy"));
    setApplicationDisplayName(Title);
    InstallTranslations(*this, QLocale());
    RegisterFonts();
    CloseOnTerminationSignals();
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
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(signalSocket[1], &byte, 1);
        closeAllWindows();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

bool UkladApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
