// The display callback: clear, draw the view that viewMode selects, swap.
#pragma once

// Clears and draws the current view into the back buffer, without swapping.
void DrawScene();

void DrawFrame();
