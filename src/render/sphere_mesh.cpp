// GLUT's sphere meshes, built here once per radius so every platform draws the same vertices.
//
// The vertices are freeglut's, computed with its single-precision steps: the poles on z and
// kSphereStacks - 1 rings of kSphereSlices vertices between them. The solid sphere is GLUT's
// triangle strip per stack, handed to GL as the strips' triangles in one draw; the wire sphere a
// line strip per meridian and a loop per parallel. Each draw has a client-side array of its own,
// which every GL this program runs on draws, WebGL's emulation of fixed-function GL included.
#include "render/sphere_mesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "scene/body_catalogue.h"

namespace {

constexpr std::size_t kSlices = kSphereSlices;
constexpr std::size_t kStacks = kSphereStacks;
constexpr std::size_t kVertexCount = kSlices * (kStacks - 1) + 2;  // the rings and the two poles
constexpr auto kSouthPole = static_cast<GLushort>(kVertexCount - 1);
constexpr std::size_t kStripLength = (kSlices + 1) * 2;  // indices per stack, closing the ring
constexpr std::size_t kMeridianLength = kStacks + 1;     // pole, rings, pole
constexpr float kPi = 3.14159265358979323846f;

using Vertices = std::array<GLfloat, kVertexCount * 3>;
using SolidIndices = std::array<GLushort, kStripLength * kStacks>;
using MeridianIndices = std::array<GLushort, kMeridianLength * kSlices>;
using ParallelIndices = std::array<GLushort, kSlices*(kStacks - 1)>;

struct CircleTable {
    std::array<GLfloat, std::max(kSlices, kStacks)> sin{}, cos{};
};

// sin and cos at `count` equal steps of `turn` radians, as freeglut tabulates them: a float
// angle step and the sine of each float multiple, exact at 0.
CircleTable Circle(float turn, float count) {
    CircleTable table;
    const float step = turn / count;
    table.cos[0] = 1.0f;
    for (std::size_t i = 1; i < table.sin.size(); ++i) {
        const auto angle = static_cast<double>(step * static_cast<float>(i));
        table.sin[i] = static_cast<GLfloat>(std::sin(angle));
        table.cos[i] = static_cast<GLfloat>(std::cos(angle));
    }
    return table;
}

Vertices SphereVertices(GLfloat radius) {
    const CircleTable around = Circle(2.0f * kPi, -static_cast<float>(kSlices));  // as GLUT turns
    const CircleTable down = Circle(kPi, static_cast<float>(kStacks));  // from the north pole
    Vertices v{};
    std::size_t at = 0;
    const auto put = [&v, &at](GLfloat x, GLfloat y, GLfloat z) {
        v[at++] = x;
        v[at++] = y;
        v[at++] = z;
    };
    put(0.0f, 0.0f, radius);
    for (std::size_t stack = 1; stack < kStacks; ++stack) {
        for (std::size_t slice = 0; slice < kSlices; ++slice) {
            const GLfloat x = around.cos[slice] * down.sin[stack];
            const GLfloat y = around.sin[slice] * down.sin[stack];
            put(x * radius, y * radius, down.cos[stack] * radius);
        }
    }
    put(0.0f, 0.0f, -radius);
    return v;
}

// Ring 0 lies next to the north pole, vertex 0.
GLushort RingVertex(std::size_t ring, std::size_t slice) {
    return static_cast<GLushort>(1 + ring * kSlices + slice % kSlices);
}

// One strip per stack, each closing its ring: the north cap, the bands, the south cap.
const SolidIndices& SolidStrips() {
    static const SolidIndices strips = [] {
        SolidIndices s{};
        std::size_t at = 0;
        for (std::size_t slice = 0; slice <= kSlices; ++slice) {
            s[at++] = RingVertex(0, slice);
            s[at++] = 0;
        }
        for (std::size_t ring = 1; ring < kStacks - 1; ++ring) {
            for (std::size_t slice = 0; slice <= kSlices; ++slice) {
                s[at++] = RingVertex(ring, slice);
                s[at++] = RingVertex(ring - 1, slice);
            }
        }
        for (std::size_t slice = 0; slice <= kSlices; ++slice) {
            s[at++] = kSouthPole;
            s[at++] = RingVertex(kStacks - 2, slice);
        }
        return s;
    }();
    return strips;
}

// Each meridian from pole to pole.
const MeridianIndices& Meridians() {
    static const MeridianIndices meridians = [] {
        MeridianIndices m{};
        std::size_t at = 0;
        for (std::size_t slice = 0; slice < kSlices; ++slice) {
            m[at++] = 0;
            for (std::size_t ring = 0; ring < kStacks - 1; ++ring)
                m[at++] = RingVertex(ring, slice);
            m[at++] = kSouthPole;
        }
        return m;
    }();
    return meridians;
}

// Each parallel, a closed ring.
const ParallelIndices& Parallels() {
    static const ParallelIndices parallels = [] {
        ParallelIndices p{};
        std::size_t at = 0;
        for (std::size_t ring = 0; ring < kStacks - 1; ++ring) {
            for (std::size_t slice = 0; slice < kSlices; ++slice) p[at++] = RingVertex(ring, slice);
        }
        return p;
    }();
    return parallels;
}

// The vertices of every part in drawing order, each part whole in itself: a WebGL emulation of
// client-side arrays uploads only the first `count` vertices a draw names, so parts cannot share.
template <typename Indices>
std::vector<GLfloat> Unfold(const Vertices& vertices, const Indices& indices,
                            std::vector<GLfloat> into = {}) {
    for (const GLushort index : indices) {
        const auto* vertex = &vertices[std::size_t{index} * 3];
        into.insert(into.end(), vertex, vertex + 3);
    }
    return into;
}

// The triangles the solid strips make, each turned as the strip turns it, so front faces stay
// front faces; the strips' zero-area triangles at the poles, which cover no pixel, left out.
std::vector<GLushort> StripTriangles() {
    const SolidIndices& strips = SolidStrips();
    std::vector<GLushort> triangles;
    for (std::size_t strip = 0; strip < strips.size(); strip += kStripLength) {
        for (std::size_t k = strip; k + 2 < strip + kStripLength; ++k) {
            const bool even = (k - strip) % 2 == 0;
            const GLushort a = strips[even ? k : k + 1];
            const GLushort b = strips[even ? k + 1 : k];
            const GLushort c = strips[k + 2];
            if (a != b && b != c && a != c) triangles.insert(triangles.end(), {a, b, c});
        }
    }
    return triangles;
}

struct SphereMesh {
    GLfloat radius = 0.0f;
    bool solid = false;
    std::vector<GLfloat> parts;
};

// The overview's ten radii and the close-up's one, with room to spare; nothing is allocated once
// each has been drawn.
constexpr std::size_t kMaxMeshes = 16;
std::array<SphereMesh, kMaxMeshes> meshes;
std::size_t meshCount = 0;

// GLUT takes the radius as a double and builds its sphere in single precision.
const std::vector<GLfloat>& MeshFor(double radius, bool solid) {
    const auto r = static_cast<GLfloat>(radius);
    for (std::size_t i = 0; i < meshCount; ++i) {
        if (meshes[i].radius == r && meshes[i].solid == solid) return meshes[i].parts;
    }
    const Vertices vertices = SphereVertices(r);
    SphereMesh& mesh = meshes[meshCount < kMaxMeshes ? meshCount++ : kMaxMeshes - 1];
    mesh.radius = r;
    mesh.solid = solid;
    mesh.parts = solid ? Unfold(vertices, StripTriangles())
                       : Unfold(vertices, Parallels(), Unfold(vertices, Meridians()));
    return mesh.parts;
}

// Draws `count` parts of `length` vertices each, the first at `vertices`; returns where the next
// parts begin.
const GLfloat* DrawParts(const GLfloat* vertices, GLenum mode, std::size_t count,
                         std::size_t length) {
    for (std::size_t part = 0; part < count; ++part, vertices += length * 3) {
        glVertexPointer(3, GL_FLOAT, 0, vertices);
        glDrawArrays(mode, 0, static_cast<GLsizei>(length));
    }
    return vertices;
}

}  // namespace

// A closed sphere's back half lies wholly behind its front half, and the two share a colour;
// with no depth test, leaving out the back faces keeps every pixel and halves the rasterising.
void DrawSolidSphere(double radius) {
    const std::vector<GLfloat>& triangles = MeshFor(radius, true);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_CULL_FACE);
    glVertexPointer(3, GL_FLOAT, 0, triangles.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(triangles.size() / 3));
    glDisable(GL_CULL_FACE);
    glDisableClientState(GL_VERTEX_ARRAY);
}

// The meridians, then the parallels, as GLUT draws them.
void DrawWireSphere(double radius) {
    const GLfloat* meridians = MeshFor(radius, false).data();
    glEnableClientState(GL_VERTEX_ARRAY);
    const GLfloat* parallels = DrawParts(meridians, GL_LINE_STRIP, kSlices, kMeridianLength);
    DrawParts(parallels, GL_LINE_LOOP, kStacks - 1, kSlices);
    glDisableClientState(GL_VERTEX_ARRAY);
}
