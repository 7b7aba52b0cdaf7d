#include "world/Player.h"

using namespace irr;

Player::Player(scene::ICameraSceneNode* camera)
    : camera(camera), height(2.0f), radius(1.0f), pitch(0.0f), yaw(0.0f), forward(0, 0, 0),
      side(0, 0, 0), feet(0, 0, 0) {}

void Player::setPosition(float x, float y, float z) { feet.set(x, y, z); }

void Player::update() {
    const float toRadians = 0.017453292f;
    float p = pitch * toRadians;
    float y = yaw * toRadians;
    core::vector3df f(std::cos(p) * std::sin(y), -std::sin(p), std::cos(p) * std::cos(y));
    forward = f;
    forward.normalize();
    side = forward.crossProduct(camera->getUpVector());
    side.normalize();
    core::vector3df eye = feet + core::vector3df(0, height, 0);
    camera->setTarget(eye + f);
    camera->setPosition(eye);
}
