// The functions that speak to the player: a line on screen, the play clock, the reveal.
#include "scripting/ScriptFunctions.h"

#include "graphics/ScreenMessage.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaStackObject.h"
#include "scripting/PrintBudget.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"

namespace {

// The reveal: one white pulse from the eye that sweeps every wall of the level and fills what it
// passed with light, fading behind its front, gone after two seconds.
const float REVEAL_RADIUS = 150.0f;
const float REVEAL_SPEED = 75.0f;
const irr::s32 REVEAL_MS = 2000;  // how long one lasts; a script asking again meanwhile gets none

irr::s32 lastRevealMs = -REVEAL_MS;  // play time of the last reveal

}  // namespace

int ShowMessage(vlua::LuaState* state) {
    vlua::LuaStackObject text(state, 1);
    if (!text.IsString()) return 0;
    Graphics::ScreenMessage& message = Graphics::ScreenMessage::instance();
    message.show(text.GetString());
    printWithinBudget(state, (message.text() + "\n").c_str());
    return 0;
}

int GetPlayTime(vlua::LuaState* state) {
    vlua::LuaStackObject table(state, 1);
    if (!table.IsTable()) return 0;
    vlua::LuaObject(table)["seconds"].AssignNumber(GameWorld::instance().playedMs / 1000.0);
    return 0;
}

void resetRevealClock() { lastRevealMs = GameWorld::instance().playedMs - REVEAL_MS; }

int RevealLevel(vlua::LuaState*) {
    GameWorld& world = GameWorld::instance();
    if (world.playedMs - lastRevealMs < REVEAL_MS) return 0;
    lastRevealMs = world.playedMs;
    WaveManager::instance().addPulse(world.camera->getAbsolutePosition(), REVEAL_RADIUS, REVEAL_RADIUS,
                                     REVEAL_SPEED, 1.0f, 0.0f, irr::core::vector3df(1, 1, 1));
    return 0;
}
