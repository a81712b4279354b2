// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Input as a user's keyboard and mouse give it: every event goes to the top-level window, which
// routes it as it routes real input (to the focus widget, through shortcuts, grabs and popups),
// never straight to the child it is meant for.
namespace WindowInput {

inline QWindow* WindowOf(QWidget* widget)
{
    QWidget* top = widget->window();
    return top->windowHandle();
}

// The window of the widget made the active one, as a click on it in the window manager would.
inline bool Activate(QWidget* widget)
{
    QWidget* top = widget->window();
    top->activateWindow();
    return QTest::qWaitForWindowActive(top);
}

inline QPoint InWindow(QWidget* widget, QPoint at)
{
    return widget->mapTo(widget->window(), at);
}

inline void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(WindowOf(widget), button, modifiers, InWindow(widget, at));
}

inline void Click(QWidget* widget)
{
    Click(widget, widget->rect().center());
}

inline void DoubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseDClick(WindowOf(widget), Qt::LeftButton, {}, InWindow(widget, at));
}

inline void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(WindowOf(widget), button, {}, InWindow(widget, at));
}

inline void Release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(WindowOf(widget), button, {}, InWindow(widget, at));
}

inline void Move(QWidget* widget, QPoint at)
{
    QTest::mouseMove(WindowOf(widget), InWindow(widget, at));
}

// A key pressed and released in the window that holds the widget (the widget itself needs the focus
// to receive it, as with a real keyboard).
inline void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(WindowOf(widget), key, modifiers);
}

// Text typed letter by letter, Polish letters included.
inline void Type(QWidget* widget, const QString& text)
{
    for (const QChar letter : text) {
        const QString one(letter);
        const auto key = Qt::Key(letter.isLetterOrNumber() && letter.unicode() < 128 ? letter.toUpper().unicode() : 0);
        QTest::sendKeyEvent(QTest::Press, WindowOf(widget), key, one, {});
        QTest::sendKeyEvent(QTest::Release, WindowOf(widget), key, one, {});
    }
}

} // namespace WindowInput
