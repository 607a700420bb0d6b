// The close-up: one body as a large wire sphere spinning about its tilted green axis.
#pragma once

// menuValue 2 (Sun) … 11 (Pluto).
void DrawCloseUp(int menuValue);
void DrawCloseUpBody(int menuValue);
