#pragma once
// What the level plan tells beyond where things stand: the floor the player walks on from the
// start, the way to the exit, what is out of reach and every warning in red with its words,
// the names of things where there is room, and a legend.

#include "LevelReport.h"
#include "PlanCanvas.h"
#include "PlanLabels.h"
#include "PlanLegend.h"
#include "PlanView.h"

#include <irrlicht.h>

#include <vector>

// The floor reached from the start a shade lighter; floor sealed off hatched red. heights: of
// the floor shown at each pixel, row by row.
void drawWalkable(PlanCanvas& canvas, const plan::View& view, const LevelReport& report,
                  const std::vector<float>& heights, float lowest);
void drawWayToExit(PlanCanvas& canvas, const plan::View& view, const LevelReport& report);
// Warned nodes and places out of reach with their warning's words first, then the names of
// the rest, most telling first, where there is room.
void labelPlan(PlanLabels& labels, const plan::View& view, const LevelReport& report, irr::scene::ISceneNode& root);
const std::vector<LegendEntry>& legendEntries();
