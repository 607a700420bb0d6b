// GLUT's sphere meshes, built here once per radius so every platform draws the same vertices.
#pragma once

// Draws what glutSolidSphere(radius, kSphereSlices, kSphereStacks) draws.
void DrawSolidSphere(double radius);

// Draws what glutWireSphere(radius, kSphereSlices, kSphereStacks) draws.
void DrawWireSphere(double radius);
