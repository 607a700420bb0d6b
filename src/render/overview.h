// The overview: star field, Sun, floor grid and the nine planets under the user's rotation.
#pragma once

void DrawOverview();

// Planet index 0 (Mercury) … 8 (Pluto), under the planet's orbital rotation.
void DrawOrbitBody(int planetIndex);
