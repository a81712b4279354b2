// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneObjects.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

namespace {

// One kind of sphere: its colour bytes (divided by 100 when drawn, not clamped: 255 gives 2.55,
// which brightens the lit result), its radius, and the facets it needs. At the window's size and
// distance a radius of 1 covers about a pixel and a radius of 10 about ten.
struct SphereKind {
    int Red, Green, Blue;
    double Radius;
    int Slices, Stacks;
};

enum Kind { Nucleus, Electron, ValenceElectron, OrbitPoint, KindCount };
constexpr std::array<SphereKind, KindCount> Kinds = {{
    {0, 255, 0, 20, 30, 30},
    {0, 0, 255, 10, 18, 14},
    {255, 200, 0, 10, 18, 14},
    {255, 0, 0, 1, 6, 4},
}};
constexpr int FullDetail = 30;

bool full = false;
GLuint lists = 0;  // 2 × KindCount lists: the chosen facets, then the full ones

void Sphere(Kind kind)
{
    if (!lists) {
        lists = glGenLists(2 * KindCount);
        GLUquadric* quadric = gluNewQuadric();
        gluQuadricDrawStyle(quadric, GLU_FILL);
        for (int set = 0; set < 2; ++set)
            for (int k = 0; k < KindCount; ++k) {
                const SphereKind& s = Kinds[std::size_t(k)];
                glNewList(lists + GLuint(set * KindCount + k), GL_COMPILE);
                glColor3f(float(s.Red) / 100.0f, float(s.Green) / 100.0f, float(s.Blue) / 100.0f);
                gluSphere(quadric, s.Radius, set ? FullDetail : s.Slices, set ? FullDetail : s.Stacks);
                glEndList();
            }
        gluDeleteQuadric(quadric);
    }
    glCallList(lists + GLuint((full ? KindCount : 0) + kind));
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
    Sphere(Nucleus);
}

void Rysuj_elektron()
{
    Sphere(Electron);
}

void Rysuj_elektron_walencyjny()
{
    Sphere(ValenceElectron);
}

void Rysuj_punkt_orbity()
{
    Sphere(OrbitPoint);
}

void UzyjPelnychSfer(bool useFull)
{
    full = useFull;
}

void ZwolnijSfery()
{
    if (lists)
        glDeleteLists(lists, 2 * KindCount);
    lists = 0;
}
