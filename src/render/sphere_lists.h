// GLUT's sphere meshes compiled once per GL context into display lists, so frames only replay them.
#pragma once

// Draws what glutSolidSphere(radius, kSphereSlices, kSphereStacks) draws.
void DrawSolidSphere(double radius);

// Draws what glutWireSphere(radius, kSphereSlices, kSphereStacks) draws.
void DrawWireSphere(double radius);
