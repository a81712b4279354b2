#include "UkladApplication.h"

#include "ErrorReport.h"
#include "Fonts.h"


UkladApplication::UkladApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("UkladOkresowy"));
    setApplicationDisplayName(Title);
    RegisterFonts();
}

bool UkladApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunHandler([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
