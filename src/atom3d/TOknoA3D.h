#pragma once

#include <QWidget>

#include <functional>

// The window with the three-dimensional model of the chosen element's atom.
class TOknoA3D : public QWidget {
    Q_OBJECT
public:
    TOknoA3D();

    // Told when the window is shown (true) and closed (false): the main menu's check mark follows.
    std::function<void(bool shown)> OnShownChanged;

    void FormShow();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
