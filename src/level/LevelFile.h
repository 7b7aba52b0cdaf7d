#pragma once
// Loading the level file into the scene graph, checked first (LevelFileCheck): a file that cannot
// be used leaves the scene empty with one line saying why, and every repair made to a usable one
// is reported, a line each, the first twenty of them. What is past the level caps (LevelCaps.h)
// is left out.

#include <irrlicht.h>

#include <string_view>

// False when nothing was loaded; the game then goes on in an empty world.
bool loadLevelFile(irr::scene::ISceneManager* sceneManager, const char* path);

// The same for level text already in memory; `path` names it in the lines printed. The level's
// nodes go under `root`, or the scene's root when none is given.
bool loadLevelText(irr::scene::ISceneManager* sceneManager, const char* path, std::string_view text,
                   irr::scene::ISceneNode* root = nullptr);
