// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

static void InitialiseTranslations()
{
    Q_INIT_RESOURCE(translations);
}

void InstallTranslations(QCoreApplication& application, const QLocale& locale)
{
    InitialiseTranslations();
    const std::pair<QString, QString> sources[] = {
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("uklad"), QStringLiteral(":/translations")},
    };
    for (const auto& [name, folder] : sources) {
        auto* translator = new QTranslator(&application);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
