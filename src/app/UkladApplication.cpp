#include "UkladApplication.h"

#include "ErrorReport.h"
#include "Fonts.h"

#include <QFont>
#include <QFontDatabase>

#include <utility>

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
    const std::pair<const char*, QString> faces[] = {
        {"/usr/share/wine/fonts/ms_sans_serif.ttf", SansSerifFamily},
        {"/usr/share/wine/fonts/tahoma.ttf", TitleFamily},
        {"/usr/share/wine/fonts/tahomabd.ttf", TitleFamily},
    };
    for (const auto& [file, family] : faces)
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
            QFont::insertSubstitution(family, QStringLiteral("DejaVu Sans"));
    QApplication::setFont(SansSerifFont());
}
