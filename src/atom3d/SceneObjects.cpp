#include "SceneObjects.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

GLUquadric* quadric = nullptr;

// Colour bytes divided by 100, not clamped: 255 gives 2.55, which brightens the lit result.
void Sphere(int red, int green, int blue, double radius)
{
    if (!quadric) {
        quadric = gluNewQuadric();
        gluQuadricDrawStyle(quadric, GLU_FILL);
    }
    glColor3f(float(red) / 100.0f, float(green) / 100.0f, float(blue) / 100.0f);
    gluSphere(quadric, radius, 30, 30);
}

} // namespace

void Ustaw_swiatlo(int wlaczone)
{
    static const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1.0f};
    static const GLfloat diffuse[] = {0.1f, 0.1f, 0.1f, 1.0f};
    static const GLfloat specular[] = {1.0f, 0.1f, 0.1f, 1.0f};
    static const GLfloat position[] = {0.0f, 30.0f, 0.0f, 1.0f};
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
    glEnable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    if (wlaczone == 1)
        glEnable(GL_LIGHT0);
    else
        glDisable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glClearColor(0.0f, 0.0f, 0.5f, 0.0f);
}

void Rysuj_jadro()
{
    Sphere(0, 255, 0, 20);
}

void Rysuj_elektron()
{
    Sphere(0, 0, 255, 10);
}

void Rysuj_elektron_walencyjny()
{
    Sphere(255, 200, 0, 10);
}

void Rysuj_punkt_orbity()
{
    Sphere(255, 0, 0, 1);
}

void ZwolnijKwadryke()
{
    if (quadric)
        gluDeleteQuadric(quadric);
    quadric = nullptr;
}
