// What GLUT's own command-line options ask for, read before glutInit consumes them.
#pragma once

// Whether DISPLAY is set or -display names a server.
bool DisplayGiven(int argc, char** argv);

// Whether -geometry gives a window size (it may give only a position, as in +0+0).
bool GeometryGivesSize(int argc, char** argv);
