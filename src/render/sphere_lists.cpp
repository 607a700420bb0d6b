// GLUT's sphere meshes compiled once per GL context into display lists, so frames only replay them.
#include "render/sphere_lists.h"

#include <GL/freeglut.h>

#include <array>

#include "platform/window_system.h"
#include "scene/body_catalogue.h"

namespace {

struct SphereList {
    double radius;
    bool solid;
    GLuint list;
};

// The overview's ten sizes and the close-up's one, with room to spare; no allocation per frame.
constexpr std::size_t kMaxSphereLists = 16;

std::array<SphereList, kMaxSphereLists> lists{};
std::size_t listCount = 0;
const void* listOwner = nullptr;  // display list names belong to the context that made them

// A closed sphere's back half lies wholly behind its front half, and the two share a colour;
// with no depth test, leaving out the back faces keeps every pixel and halves the rasterising.
void DrawFrontFaces(double radius) {
    glEnable(GL_CULL_FACE);
    glutSolidSphere(radius, kSphereSlices, kSphereStacks);
    glDisable(GL_CULL_FACE);
}

void DrawWithGlut(double radius, bool solid) {
    if (solid) {
        DrawFrontFaces(radius);
    } else {
        glutWireSphere(radius, kSphereSlices, kSphereStacks);
    }
}

// A context made after the old one was destroyed may reuse its address, but it holds none of its
// lists yet when the first sphere is drawn in it, and this file is the only maker of lists.
bool ListsBelongToCurrentContext() {
    return CurrentGlContext() == listOwner && (listCount == 0 || glIsList(lists[0].list));
}

// The list for this sphere in the current context, compiled on first use; 0 when the table is full.
GLuint ListFor(double radius, bool solid) {
    if (!ListsBelongToCurrentContext()) {
        listOwner = CurrentGlContext();
        listCount = 0;
    }
    for (std::size_t i = 0; i < listCount; ++i) {
        if (lists[i].radius == radius && lists[i].solid == solid) return lists[i].list;
    }
    if (listCount == lists.size()) return 0;
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    DrawWithGlut(radius, solid);
    glEndList();
    lists[listCount++] = {radius, solid, list};
    return list;
}

void DrawSphere(double radius, bool solid) {
    const GLuint list = ListFor(radius, solid);
    if (list != 0) {
        glCallList(list);
    } else {
        DrawWithGlut(radius, solid);
    }
}

}  // namespace

void DrawSolidSphere(double radius) { DrawSphere(radius, true); }

void DrawWireSphere(double radius) { DrawSphere(radius, false); }
