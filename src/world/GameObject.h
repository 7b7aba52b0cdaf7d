#pragma once
// One registered level node and what the level loader attached to it. Plain data: the world's
// registry holds plain pointers; the world frees each object and its script at exit.

#include <irrlicht.h>

namespace vphysx { class NxActor; class NxController; }
namespace vlua { class LuaState; }

struct GameObject {
    irr::s32 id = -1;                             // -1 until registered, then 1, 2, 3, ...
    irr::scene::ISceneNode* node = nullptr;
    vphysx::NxActor* actor = nullptr;             // userData holds id
    vphysx::NxController* controller = nullptr;
    vlua::LuaState* script = nullptr;
};
