// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces of the atom model, each a sphere drawn at the current model-view origin, and the light.
// They need a current OpenGL context. Each kind of sphere is tessellated by GLU once per context and
// kept in a display list; the small ones with fewer facets, as many as their size on screen shows.

void Ustaw_swiatlo(int wlaczone);
void Rysuj_jadro();
void Rysuj_elektron();
void Rysuj_elektron_walencyjny();
void Rysuj_punkt_orbity();

// Every sphere with GLU's 30 slices and 30 stacks, as the model was first drawn: the yardstick the
// faster spheres are compared with.
void UzyjPelnychSfer(bool full);

// Forgets the spheres of a context that is going away.
void ZwolnijSfery();
