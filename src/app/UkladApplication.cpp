#include "UkladApplication.h"

#include "ErrorReport.h"

#include <QFont>
#include <QFontDatabase>

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

void RegisterFonts()
{
    static const char* const faces[][2] = {
        {"/usr/share/wine/fonts/ms_sans_serif.ttf", "MS Sans Serif"},
        {"/usr/share/wine/fonts/tahoma.ttf", "Tahoma"},
        {"/usr/share/wine/fonts/tahomabd.ttf", "Tahoma"},
    };
    for (const auto& face : faces)
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(face[0])) < 0)
            QFont::insertSubstitution(QString::fromLatin1(face[1]), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}
