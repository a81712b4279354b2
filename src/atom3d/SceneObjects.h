#pragma once

// The pieces of the atom model, each a sphere drawn at the current model-view origin, and the light.
// They need a current OpenGL context; the quadric is created on first use and kept.

void Ustaw_swiatlo(int wlaczone);
void Rysuj_jadro();
void Rysuj_elektron();
void Rysuj_elektron_walencyjny();
void Rysuj_punkt_orbity();

// Forgets the quadric of a context that is going away.
void ZwolnijKwadryke();
