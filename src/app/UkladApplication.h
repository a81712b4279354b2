#pragma once

#include <QApplication>

// The application object: its title, the fonts the windows are drawn in, and the last line of the
// default error handler for anything an event handler lets escape.
class UkladApplication : public QApplication {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Układ Okresowy");

    UkladApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
