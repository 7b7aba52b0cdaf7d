#pragma once
// A top-down picture of the loaded level, as a floor plan cut 4 above its lowest floor (the
// player's height): static geometry grey by height (floors filled, walls as
// lines), loose objects orange, kinematic objects blue with a white outline, trigger volumes
// green with a dashed outline, obstacles magenta, each emitter's largest wave as a circle in its
// colour, the player's start white with a line showing its facing, a scale bar in units, and
// every warned node outlined in red with its name.

#include "LevelReport.h"

#include <irrlicht.h>

#include <vector>

// Writes the plan to `path` (PNG by its extension); false when it cannot be written.
bool writeLevelPlan(const char* path, irr::scene::ISceneManager& scene, const LevelReport& report);
