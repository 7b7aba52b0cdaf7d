#include "world/GameWorld.h"

#include "graphics/GraphicsSystem.h"
#include "input/InputBackend.h"
#include "input/InputHolder.h"
#include "world/Player.h"

bool GameWorld::update() {
    InputBackend* input = inputHolder().activeBackend;
    // A window closed by the system ends the game as Escape does.
    if (!GraphicsSystem::instance().isRunning() || (input && input->isAction(ACTION_QUIT)))
        return false;

    if (input) {
        float ax = input->getAxis(AXIS_MOUSE_X);
        float ay = input->getAxis(AXIS_MOUSE_Y);
        player->yaw += static_cast<float>((ax - 0.5f) * 100);
        player->pitch += static_cast<float>((ay - 0.5f) * 100);
        if (player->pitch < -89) player->pitch = -89;
        if (player->pitch > 89) player->pitch = 89;

        if (input->isAction(ACTION_TOGGLE_SHADING)) GraphicsSystem::instance().toggleWaveShading();
        if (input->isAction(ACTION_TOGGLE_MOUSE))
            inputHolder().centreMouse = !inputHolder().centreMouse;
    }
    player->update();
    return true;
}
