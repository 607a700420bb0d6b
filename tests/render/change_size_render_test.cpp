// The viewport, orthographic projection and modelview reset that ChangeSize loads.
#include <array>

#include "render_fixture.h"

namespace {

TEST_F(RenderTest, ChangeSizeLoadsTheViewVolumeOfTheWindowShape) {
    struct Case {
        int width, height, chosenBody;  // 0: still the overview
        float halfX, halfY;
        const char* log;
    };
    const Case cases[] = {
        {1000, 1000, 0, 50, 50, "ChangeSize call, nRange=50.000000"},
        {1000, 500, 0, 100, 50, "ChangeSize call, nRange=50.000000"},
        {500, 1000, 0, 50, 100, "ChangeSize call, nRange=50.000000"},
        {800, 0, 0, 40000, 50, "ChangeSize call, nRange=50.000000"},
        {0, 800, 0, 50, 40000, "ChangeSize call, nRange=50.000000"},
        {1000, 1000, 5, 50, 50, "ChangeSize call, nRange=10.000000"},  // close-ups keep ±50
    };
    const std::array<float, 16> identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.width) + "x" + std::to_string(c.height) +
                                 " body " + std::to_string(c.chosenBody) + ": ";
        scene = InitialSceneState();
        if (c.chosenBody != 0) Choose(c.chosenBody);
        report.Check(Resize(c.width, c.height) == c.log, what + "console line");
        std::array<float, 16> projection{}, modelview{};
        glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
        glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
        const std::array<float, 16> ortho{1 / c.halfX, 0, 0,          0, 0, 1 / c.halfY, 0, 0,
                                          0,           0, -1 / 50.0f, 0, 0, 0,           0, 1};
        for (std::size_t i = 0; i < 16; ++i) {
            report.Check(std::abs(projection[i] - ortho[i]) < 1e-7f,
                         what + "projection element " + std::to_string(i));
        }
        report.Check(modelview == identity, what + "modelview not reset");
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        report.Check(viewport[2] == std::max(c.width, 1) && viewport[3] == std::max(c.height, 1),
                     what + "viewport");
        Draw();
    }
}

}  // namespace
