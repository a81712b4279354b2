// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomWindow.h"

#include "AtomModel.h"
#include "Configuration.h"
#include "Cp1250.h"
#include "ErrorReport.h"
#include "SceneObjects.h"
#include "WindowPlacement.h"

#include <GL/gl.h>

#include <QCloseEvent>
#include <QOpenGLContext>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <cmath>

AtomView::AtomView(TOknoA3D* window)
    : QOpenGLWidget(window), window_(window)
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(16);
    setFormat(format);
    // no alpha in the picture: the clear colour's zero alpha must not make the window see-through,
    // and blending reads a destination alpha of one, as on a plain RGB window
    setTextureFormat(GL_RGB8);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void AtomView::initializeGL()
{
    window_->Ustaw_scene();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        ZwolnijSfery();
        doneCurrent();
    });
}

void AtomView::resizeGL(int, int)
{
    window_->Ustaw_scene();
}

void AtomView::paintGL()
{
    window_->DrawFrame();
}

void AtomView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    window_->FormMouseMove(event->buttons(), p.x(), p.y());
}

void AtomView::mousePressEvent(QMouseEvent* event)
{
    window_->setFocus(Qt::MouseFocusReason);
    QOpenGLWidget::mousePressEvent(event);
}

TOknoA3D::TOknoA3D(DataFolder folder)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), folder_(std::move(folder))
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Przestrzenny model atomu (o - opcje)"));
    setMinimumSize(125, 50);
    setFocusPolicy(Qt::StrongFocus);
    resize(422, 297);
    PlaceOnFirstShow(this, [this] { CenterOnScreen(this); });
    BuildOptionsPanel();
    // a frame as often as the screen shows one, no oftener: the animation's angles move on Timer2
    Timer1 = new QTimer(this);
    const QScreen* screen = QGuiApplication::primaryScreen();
    Timer1->setInterval(std::max(1, int(1000.0 / std::max(screen ? screen->refreshRate() : 60.0, 1.0))));
    connect(Timer1, &QTimer::timeout, this, [this] { RunHandler([this] { Timer1Timer(); }); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, [this] { RunHandler([this] { Timer2Timer(); }); });
    FormCreate();
    Timer1->start();
}

void TOknoA3D::FormCreate()
{
    Konfiguracja = Nothing;
    Powloki.clear();
    LicznikObrotu = 0;
    Odleglosc -= 800;
}

void TOknoA3D::Ustaw_scene()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-20.8, 20.8, -20.8, 20.8, 100, 5000);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_DST_ALPHA);
    glEnable(GL_BLEND);
    glPolygonMode(GL_FRONT, GL_FILL);
    glPolygonMode(GL_BACK, GL_FILL);
    glClearColor(0.7f, 0.7f, 0.7f, 1.0f);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
}

void TOknoA3D::DrawFrame()
{
    drawn_ = Shown();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0, PrzesuniecieY, Odleglosc - 100);
    glRotated(KatX, 1, 0, 0);
    glRotated(KatY, 0, 1, 0);
    glPushMatrix();
    glTranslated(12, 20, 0);
    Ustaw_swiatlo(1);
    glPopMatrix();
    if (Konfiguracja == Nothing)
        return;
    Rysuj_jadro();
    const int S = int(Powloki.size());
    for (int k = 1; k <= S; ++k) {
        const int n = Powloki[k - 1];
        const double radius = 30.0 * k;
        glPushMatrix();
        glRotated(60.0 * k, 0, 1, 0);
        for (int i = 0; i <= 65; ++i) {
            const double t = i / 10.0;
            glPushMatrix();
            glTranslated(radius * std::cos(t), radius * std::sin(t), 0);
            Rysuj_punkt_orbity();
            glPopMatrix();
        }
        if (n >= 1) {
            const double step = 6.5 / n;
            for (int j = 0; j < n; ++j) {
                const double theta = j * step;
                glPushMatrix();
                glTranslated(radius * std::cos(theta), radius * std::sin(theta), 0);
                k == S ? Rysuj_elektron_walencyjny() : Rysuj_elektron();
                glPopMatrix();
            }
        }
        glPopMatrix();
    }
}

void TOknoA3D::Rysuj_atom()
{
    // nothing is drawn while the window is hidden; the model state goes on and shows on the next frame
    if (isVisible() && drawn_ != Shown())
        View()->update();
}

void TOknoA3D::pierwiastek(const QString& symbol)
{
    const std::optional<QByteArray> bytes = StringToCp1250(symbol);
    if (!bytes)
        return;
    if (const std::optional<QByteArray> configuration = FindConfiguration(folder_, *bytes)) {
        Konfiguracja = *configuration;
        Powloki = ShellElectronCounts(Konfiguracja);
        // what the picture shows, for a reader: the nucleus and an orbit of electrons per shell
        static const char Shells[] = "KLMNOPQRSTUVWXYZ";
        QStringList orbits;
        for (int k = 0; k < Powloki.size(); ++k)
            orbits << QStringLiteral("%1-%2").arg(QLatin1Char(Shells[std::min<qsizetype>(k, sizeof Shells - 2)])).arg(Powloki[k]);
        const qsizetype count = Powloki.size();
        const QString shells = count == 1 ? QStringLiteral("1 powłoka elektronowa")
                               : count >= 2 && count <= 4 ? QStringLiteral("%1 powłoki elektronowe").arg(count)
                                                          : QStringLiteral("%1 powłok elektronowych").arg(count);
        setAccessibleDescription(QStringLiteral("Model atomu %1: jądro i %2 (%3)").arg(symbol, shells, orbits.join(QLatin1Char(' '))));
    }
}

void TOknoA3D::Start_spin(int x, int y)
{
    KatX = x;
    KatY = y;
    MyszX = 0;
    MyszY = 0;
    Rysuj_atom();
}

void TOknoA3D::FormShow()
{
    KatX = 0;
    KatY = 0;
    if (OnShownChanged)
        OnShownChanged(true);
}

void TOknoA3D::FormClose()
{
    if (OnShownChanged)
        OnShownChanged(false);
}

void TOknoA3D::FormMouseMove(Qt::MouseButtons shift, int x, int y)
{
    if (shift & Qt::LeftButton) {
        KatY += (MyszX - x) / 2.0;
        KatX += (MyszY - y) / 2.0;
    }
    MyszX = x;
    MyszY = y;
}

void TOknoA3D::FormKeyPress(QChar key)
{
    if (key == QLatin1Char('+'))
        Odleglosc += 10;
    else if (key == QLatin1Char('-'))
        Odleglosc -= 10;
}

void TOknoA3D::Timer1Timer()
{
    Rysuj_atom();
}

AtomView* TOknoA3D::View()
{
    // made when first needed: making an OpenGL surface loads the display's OpenGL support, which a
    // start does not need for a window it does not show
    if (!view_) {
        view_ = new AtomView(this);
        view_->setGeometry(rect());
        view_->lower();
        view_->show();
    }
    return view_;
}

void TOknoA3D::showEvent(QShowEvent* event)
{
    View();
    RunHandler([this] { FormShow(); });
    QWidget::showEvent(event);
}

void TOknoA3D::closeEvent(QCloseEvent* event)
{
    RunHandler([this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TOknoA3D::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    RunHandler([&] {
        FormKeyDown(event->key(), event->modifiers());
        if (!event->text().isEmpty())
            FormKeyPress(event->text()[0]);
    });
}

void TOknoA3D::resizeEvent(QResizeEvent* event)
{
    if (view_)
        view_->setGeometry(rect());
    QWidget::resizeEvent(event);
}
