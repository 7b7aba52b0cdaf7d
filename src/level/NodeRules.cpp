#include "level/NodeRules.h"

#include "level/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const char* const BUILT_TYPES[] = {"mesh", "animatedMesh", "irrKlangSceneNode", "irrKlangSceneNode2", "empty",
                                   "dummyTransformation", "cube", "sphere", "billboard", "light", "skyDome"};

struct CountCap {
    const char* type;
    const char* attribute;
    double lowest;
    double highest;
};

// Irrlicht's own defaults sit well inside: a sphere of 16 x 16, a dome of 16 x 8. A sphere's
// PolyCountX and PolyCountY, when given, win over its PolyCount.
const CountCap CAPS[] = {
    {"sphere", "PolyCount", 2, 128},
    {"sphere", "PolyCountX", 2, 128},
    {"sphere", "PolyCountY", 2, 128},
    {"skyDome", "HorizontalResolution", 1, 128},
    {"skyDome", "VerticalResolution", 1, 128},
};

}  // namespace

const char* const LEFT_OUT_NODE_TYPE = "empty";

bool isBuiltNodeType(std::string_view type) {
    return std::any_of(std::begin(BUILT_TYPES), std::end(BUILT_TYPES), [type](const char* t) { return type == t; });
}

std::optional<std::string> cappedAttribute(std::string_view type, std::string_view name, std::string_view value) {
    for (const CountCap& cap : CAPS) {
        if (type != cap.type || name != cap.attribute || !isFiniteNumber(value)) continue;
        double number = std::strtod(std::string(value).c_str(), nullptr);
        double kept = std::clamp(std::trunc(number), cap.lowest, cap.highest);
        if (kept == number) return std::nullopt;
        return std::to_string(long(kept));
    }
    return std::nullopt;
}
