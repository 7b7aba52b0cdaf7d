#pragma once
// The first-person player: the camera on top of a capsule character controller, the look angles
// and the jump state, and what the player carries. Angles are in degrees: positive pitch looks
// down (held within [-89, 89]), positive yaw turns right (never wrapped). Speeds are in units
// per second, positive up.

#include <irrlicht.h>

#include <cstdint>
#include <list>

struct GameObject;
namespace vphysx { class NxController; }

class Player {
public:
    explicit Player(irr::scene::ICameraSceneNode* camera);

    void setPosition(float x, float y, float z);
    void moveForward(float amount);
    void strafe(float amount);
    // Camera placement, gravity and landing, footsteps, and the held object; last in the frame.
    void update();

    // Where the hand reaches for what is used: ahead of and below the eye.
    irr::core::vector3df handPosition() const;

    // Using, carrying and the weapon.
    void use(GameObject* target);
    void releaseHeld();
    void updateHeld();
    void grab(GameObject* object);
    bool drop(bool keepVelocity);
    void pickUpWeapon(GameObject* object);

    // Once per frame: ages the cane's rest by frameMs and, when asked and rested, taps the floor
    // ahead. True when it tapped.
    bool tapCane(bool wanted, irr::s32 frameMs);
    static constexpr irr::s32 CANE_REST_MS = 500;  // at most one tap per this long
    static constexpr float JUMP_SPEED = 12.0f;          // upwards, as a jump starts

    irr::scene::ICameraSceneNode* camera;
    vphysx::NxController* controller;
    float height;                  // capsule height, and the eye height above its centre
    float radius;
    float pitch;
    float yaw;
    irr::core::vector3df forward;  // unit view direction, from the last update
    irr::core::vector3df side;     // forward x up: points to the player's left
    bool airborne;                 // the last vertical move found no ground
    bool moved;                    // a horizontal move happened this frame
    float verticalSpeed;           // 0 on the ground, so that every fall starts from rest
    bool jumping;
    GameObject* held;              // carried object or wielded weapon
    std::list<GameObject*> inventory;  // weapons, in pick-up order
    irr::s32 caneRestMs = CANE_REST_MS;  // since the last tap, up to CANE_REST_MS

private:
    void moveHorizontally(const irr::core::vector3df& direction, float amount);
    void placeCamera();
    void moveVertically();
    std::uint32_t moveController(float x, float y, float z);  // the collision flags
    std::uint32_t followGround();
};

// True for the object whose node is named exactly "weapon".
bool isWeapon(const GameObject* object);
