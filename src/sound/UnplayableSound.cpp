#include "sound/UnplayableSound.h"

#include "level/ConsoleText.h"

#include <cstdio>
#include <string>

namespace {

struct Refusal {
    std::string file, problem;
    bool pending = false;
} last;

}  // namespace

void noteUnplayable(const char* soundFileName, const char* problem) { last = {soundFileName, problem, true}; }

void reportUnplayable(std::string_view emitter) {
    if (!last.pending) return;
    last.pending = false;
    const std::string forWhom = emitter.empty() ? "" : " for emitter \"" + shownName(emitter) + "\"";
    std::printf("Sound: cannot play \"%s\" (%s)%s; it stays silent.\n", oneLine(last.file).c_str(),
                oneLine(last.problem).c_str(), forWhom.c_str());
}
