// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"

#include <QList>
#include <QOpenGLWidget>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QTimer;
class TLabel;
class TsuiButton;
class TsuiCheckBox;
class TsuiPanel;
class TOknoA3D;

// The OpenGL surface that fills the 3D window; it draws through the window's frame routine.
class AtomView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit AtomView(TOknoA3D* window);

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TOknoA3D* window_;
};

// The window with the three-dimensional model of an element's atom: a nucleus and one circular
// orbit of electrons per shell, turned with the mouse, moved and scaled with the keyboard, and set
// rotating by itself.
class TOknoA3D : public QWidget {
    Q_OBJECT
public:
    static inline const QByteArray Nothing = QByteArrayLiteral("nic");

    explicit TOknoA3D(DataFolder folder);

    // Told when the window is shown (true) and closed (false): the main menu's check mark follows.
    std::function<void(bool shown)> OnShownChanged;

    // Selects the element by its symbol; the next frame shows it. A symbol without a line in the
    // configuration file keeps the model shown.
    void pierwiastek(const QString& symbol);
    // Asks for a frame while the window is visible, when the picture would differ from the last
    // frame drawn (the angles, place, distance or element changed).
    void Rysuj_atom();
    void Start_spin(int x, int y);

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormKeyPress(QChar key);
    void FormMouseMove(Qt::MouseButtons shift, int x, int y);
    void Timer1Timer();
    void Timer2Timer();
    void suiButton1Click(QObject* sender);
    void suiCheckBox1Click(QObject* sender);

    // The rendering set-up and the frame itself, run with the view's context current.
    void Ustaw_scene();
    void DrawFrame();

    // The OpenGL surface under the options panel, made when the window first shows or when asked.
    AtomView* View();

    double KatX = 0, KatY = 0;
    std::int32_t Odleglosc = 0, PrzesuniecieY = 0;
    std::int32_t MyszX = 0, MyszY = 0;
    std::int32_t LicznikObrotu = 0;
    QByteArray Konfiguracja;
    // The electrons of each shell of Konfiguracja, split once when the element is chosen.
    QList<int> Powloki;

    TsuiPanel* suiPanel1;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
    TsuiButton* suiButton1;
    TsuiCheckBox *suiCheckBox1, *suiCheckBox2, *suiCheckBox3, *suiCheckBox4;
    QTimer *Timer1, *Timer2;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What a frame shows.
    struct Scene {
        double KatX, KatY;
        std::int32_t Odleglosc, PrzesuniecieY;
        QByteArray Konfiguracja;
        bool operator==(const Scene&) const = default;
    };
    Scene Shown() const { return {KatX, KatY, Odleglosc, PrzesuniecieY, Konfiguracja}; }

    void BuildOptionsPanel();

    DataFolder folder_;
    AtomView* view_ = nullptr;
    std::optional<Scene> drawn_;  // the scene of the last frame drawn
};
