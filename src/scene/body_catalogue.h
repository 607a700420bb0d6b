// The fixed numbers of the Sun and the nine planets, one row per body.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

struct Rgb {
    std::uint8_t r, g, b;
};

struct BodyInfo {
    const char* name;                   // menu label
    int menuValue;                      // menu value and the viewMode of the body's close-up
    Rgb overviewColour;                 // solid sphere in the overview
    float orbitRadius;                  // scene units from the Sun
    float sphereRadius;                 // scene units, overview sphere
    float initialAngle;                 // degrees
    float orbitStep;                    // degrees per overview idle step
    Rgb closeUpColour;                  // wire sphere in the close-up
    float spinStep;                     // degrees per close-up idle step
    float tilt;                         // degrees about the view's z axis
    std::optional<float> closeUpRange;  // nRange on selection; empty keeps nRange as it is
    const char* closeUpDescription;     // the close-up as assistive technology tells it, in Korean
};

// Row order is the menu order, the overview's drawing order and, from row 1 on, the planet index
// order (planet i is row i + 1). The Sun has no orbit, so its orbit cells are zero and unused.
// clang-format off
inline constexpr std::array<BodyInfo, 10> BodyCatalogue{{
    // name       menu  overview         orbit  sphere  initial  orbit   close-up       spin    tilt     range          description
    {"Sun",        2,  {230,  50,   0},   0.0f, 6.0f,     0.0f, 0.0f,   {255,   0,   0}, 0.4f,     0.0f, std::nullopt, "태양 가까이 보기: 자전축을 따라 도는 태양"},
    {"Mercury",    3,  {255,   0,   0},   7.0f, 0.6f,    90.0f, 4.09f,  {250,  50,  50}, 0.2f,    -0.1f, 10.0f,        "수성 가까이 보기: 자전축을 따라 도는 수성"},
    {"Venus",      4,  {255, 110,   0},  10.0f, 1.8f,   320.0f, 1.602f, {255, 110,   0}, 0.09f, -357.0f, 10.0f,        "금성 가까이 보기: 자전축을 따라 도는 금성"},
    {"Earth",      5,  { 60,  90, 250},  14.2f, 1.9f,   120.0f, 1.0f,   { 60,  90, 250}, 1.0f,   -23.0f, 10.0f,        "지구 가까이 보기: 자전축을 따라 도는 지구"},
    {"Mars",       6,  {230,  50,  30},  17.8f, 1.0f,   280.0f, 0.72f,  {230,  50,  30}, 0.9f,   -25.0f, 10.0f,        "화성 가까이 보기: 자전축을 따라 도는 화성"},
    {"Jupiter",    7,  { 90, 110, 160},  23.0f, 3.8f,   340.0f, 0.5f,   { 90, 110, 160}, 2.43f,   -3.0f, 10.0f,        "목성 가까이 보기: 자전축을 따라 도는 목성"},
    {"Saturn",     8,  {130,  80,  30},  31.0f, 3.4f,   180.0f, 0.38f,  {130,  80,  30}, 2.34f,  -27.0f, 10.0f,        "토성 가까이 보기: 자전축을 따라 도는 토성"},
    {"Uranus",     9,  { 80, 150, 240},  38.0f, 2.5f,   110.0f, 0.2f,   { 80, 150, 240}, 1.34f,  -98.0f, 10.0f,        "천왕성 가까이 보기: 자전축을 따라 도는 천왕성"},
    {"Neptune",   10,  { 60, 110, 200},  44.0f, 2.4f,   220.0f, 0.1f,   { 60, 110, 200}, 1.25f,  -30.0f, 10.0f,        "해왕성 가까이 보기: 자전축을 따라 도는 해왕성"},
    {"Pluto",     11,  {130, 220, 250},  48.0f, 0.5f,    60.0f, 0.05f,  {130, 220, 250}, 0.156f,-120.0f, 10.0f,        "명왕성 가까이 보기: 자전축을 따라 도는 명왕성"},
}};
// clang-format on

// The overview as assistive technology tells it, in Korean, as the close-ups' descriptions above.
inline constexpr const char* kOverviewDescription =
    "태양계 전체 모습: 태양과 그 둘레를 도는 아홉 행성";

inline constexpr int kPlanetCount = 9;
inline constexpr int kSphereSlices = 25;
inline constexpr int kSphereStacks = 25;
inline constexpr double kCloseUpSphereRadius = 30.0;  // scene units, every body

// The row whose menu value is `menuValue`, or nullptr for a value outside 2 … 11.
constexpr const BodyInfo* FindBody(int menuValue) {
    for (const BodyInfo& body : BodyCatalogue) {
        if (body.menuValue == menuValue) return &body;
    }
    return nullptr;
}

constexpr const BodyInfo& Sun() { return BodyCatalogue[0]; }

// Planet index 0 (Mercury) … 8 (Pluto).
constexpr const BodyInfo& Planet(int index) {
    return BodyCatalogue[static_cast<std::size_t>(index) + 1];
}
