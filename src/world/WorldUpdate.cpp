// One frame of play: look, use, walk and jump, scripts (trigger reports, then OnTick), then the
// player.
#include "world/GameWorld.h"

#include "graphics/CountedFrame.h"
#include "graphics/GraphicsSystem.h"
#include "input/InputBackend.h"
#include "input/InputHolder.h"
#include "scripting/ScriptFrame.h"
#include "scripting/ScriptFunctions.h"
#include "world/Player.h"
#include "world/TriggerEvents.h"
#include "world/WorldEvents.h"


using namespace irr;

namespace {

const f32 WALK_SPEED = 12.0f;    // units per second
const f32 LOOK_FACTOR = 100.0f;  // degrees per window width
const f32 USE_DISTANCE = 6.0f;
const f32 USE_COSINE = 0.8f;

}  // namespace

bool GameWorld::update() {
    GraphicsSystem& graphics = GraphicsSystem::instance();
    InputBackend* input = inputHolder().activeBackend;
    // A window closed by the system ends the game as Escape does.
    if (!graphics.isRunning() || (input && input->isAction(ACTION_QUIT))) return false;
    // Whatever a script prints or spends from here on (use, trigger reports, ticks) counts to
    // this frame.
    ScriptFrame scripts(objects);

    if (input) {
        player->yaw += static_cast<f32>((input->getAxis(AXIS_MOUSE_X) - 0.5f) * LOOK_FACTOR);
        player->pitch += static_cast<f32>((input->getAxis(AXIS_MOUSE_Y) - 0.5f) * LOOK_FACTOR);
        if (player->pitch < -89) player->pitch = -89;
        if (player->pitch > 89) player->pitch = 89;

        f32 d = static_cast<f32>(graphics.frameTime / 1000.0f) * WALK_SPEED;
        if (input->isAction(ACTION_USE)) {
            GameObject* target = findUseTarget(USE_DISTANCE, USE_COSINE);
            if (!target) playEmptyHandTap(player->handPosition());
            player->use(target);
        }
        if (input->isAction(ACTION_RELEASE)) player->releaseHeld();
        if (input->isAction(ACTION_FORWARD))
            player->moveForward(d);
        else if (input->isAction(ACTION_BACK))
            player->moveForward(-d);
        if (input->isAction(ACTION_STRAFE_LEFT))
            player->strafe(d);
        else if (input->isAction(ACTION_STRAFE_RIGHT))
            player->strafe(-d);
        // No ground test: a jump may start in mid-air as long as none is in progress.
        if (input->isAction(ACTION_JUMP) && !player->jumping) {
            player->jumping = true;
            player->verticalSpeed = Player::JUMP_SPEED;
        }
        player->tapCane(input->isAction(ACTION_CANE_TAP), graphics.frameTime);
        if (input->isAction(ACTION_TOGGLE_SHADING)) graphics.toggleWaveShading();
        if (input->isAction(ACTION_TOGGLE_MOUSE))
            inputHolder().centreMouse = !inputHolder().centreMouse;
    }

    playedMs += Graphics::countedFrameMs(graphics.frameTime);
    deliverTriggerEvents();
    for (GameObject* object : objects)
        if (object->script) runScriptEvent(object, "OnTick");
    playScriptSounds();
    player->update();
    showAimDot(!player->held || isWeapon(player->held));
    return true;
}
