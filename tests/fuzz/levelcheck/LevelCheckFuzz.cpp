// Fuzz bytes as a level file and as an .irrmesh, through the checks that stand before Irrlicht's
// readers. A level the check lets through must still be well-formed after its repairs.
#include "level/LevelFileCheck.h"
#include "level/MeshFileCheck.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    LevelCheck check = checkLevelText(text);
    if (check.problem.empty() && !checkLevelText(check.text).problem.empty()) std::abort();
    if (check.lines.size() > 20) std::abort();
    meshTextProblem(text);
    return 0;
}
