#pragma once
// A sound file the engine cannot play is said once, in the game's words: its name escaped (it is
// level data) and the emitter node that wanted it. The engine hands the refusal over as it
// happens (noteUnplayable, installed as its problem report); the caller of the play that got
// nothing says who it was for.

#include <string_view>

// The engine's problem report.
void noteUnplayable(const char* soundFileName, const char* problem);

// After a play that gave nothing: the line, when the engine has just refused a file. `emitter`
// names the node that played it, or is empty for the game's own sounds.
void reportUnplayable(std::string_view emitter = {});
