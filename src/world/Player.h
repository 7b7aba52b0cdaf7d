#pragma once
// The first-person player: the camera and the look angles, in degrees. Positive pitch looks
// down, positive yaw turns right; pitch is held within [-89, 89], yaw is never wrapped.

#include <irrlicht.h>

class Player {
public:
    explicit Player(irr::scene::ICameraSceneNode* camera);

    void setPosition(float x, float y, float z);
    // Places the camera at the eye and recomputes the view vectors.
    void update();

    irr::scene::ICameraSceneNode* camera;
    float height;                  // capsule height, and the eye height above the feet
    float radius;
    float pitch;
    float yaw;
    irr::core::vector3df forward;  // unit view direction
    irr::core::vector3df side;     // forward x up: points to the player's left

private:
    irr::core::vector3df feet;
};
