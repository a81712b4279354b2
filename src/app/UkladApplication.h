// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The application object: its title, its translations, the fonts the windows are drawn in, and the
// last line of the default error handler for anything an event handler lets escape. Asked to end by
// the system (SIGTERM, SIGHUP: a log-out, a shutdown), it closes its windows as the user would, so
// the main window's close handler writes the table back, and ends, whatever box was open and
// whatever the writing gave: no one is there to answer.
class UkladApplication : public QApplication {
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Układ Okresowy");

    UkladApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The program's icon at the sizes window lists and title bars use; every window shows it. The
    // larger sizes, which only the installed icon theme offers, are not decoded at every start.
    static QIcon ProgramIcon();

    // What a start leaves until the main window has drawn its first frame: the icon, which only the
    // window manager and the about window show, and the heap pages the start freed.
    void FinishStart();

    // The whole ratio the desktop's scale rounds to is kept only where a window of the size (the
    // main window's largest) fits the screen's work area at it; otherwise the program starts again
    // (the same process, before any window exists) at the largest whole ratio at which it fits.
    // Returns only when the ratio stays.
    static void KeepScaleThatFits(QSize window, char** argv);

private:
    void CloseOnTerminationSignals();
    void EndOnRequest();
};
