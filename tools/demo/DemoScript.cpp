#include "DemoScript.h"

using namespace irr;

namespace {

// Appends `frames` frames of the same input.
void hold(DemoScript& s, size_t frames, InputFrame frame) {
    s.input.insert(s.input.end(), frames, frame);
}

// Turns the view by (yaw, pitch) degrees, spread over `frames` frames, holding `keys`.
void turn(DemoScript& s, float yaw, float pitch, size_t frames, std::vector<EKEY_CODE> keys = {}) {
    InputFrame f;
    f.cursorX = 0.5f + yaw / 100.0f / frames;
    f.cursorY = 0.5f + pitch / 100.0f / frames;
    f.keys = std::move(keys);
    hold(s, frames, f);
}

void press(DemoScript& s, EKEY_CODE key) {
    hold(s, 1, holding({key}));
    hold(s, 1, InputFrame());
}

void walk(DemoScript& s, size_t frames) { hold(s, frames, holding({KEY_KEY_W})); }

void shot(DemoScript& s, const char* name) { s.shots.push_back({s.input.size(), name}); }

// The same view with wave shading off: the level in its plain colours, beside a dark shot.
void plainShot(DemoScript& s, const char* name) {
    press(s, KEY_F2);
    hold(s, 2, InputFrame());
    shot(s, name);
    press(s, KEY_F2);
}

void goTo(DemoScript& s, float x, float y, float z, float yaw, float pitch) {
    s.stations.push_back({s.input.size(), x, y, z, yaw, pitch});
}

}  // namespace

// The way through the shipped level, a screenshot a step. At 33 msec a frame the player walks
// 0.4 units a frame, from the start room at (0, 2, -55) facing north (+z).
DemoScript makeDemoScript() {
    DemoScript s;
    hold(s, 10, InputFrame());
    shot(s, "01-start-room.png");  // the start pad's message; the greeting knock's ring
    turn(s, 0, 25, 4);
    press(s, KEY_KEY_Q);
    hold(s, 8, InputFrame());
    shot(s, "02-the-cane-shows-the-walls.png");
    turn(s, 0, -25, 4);
    walk(s, 12);  // onto the pad before the ledge, and up against the ledge
    press(s, KEY_KEY_Q);
    hold(s, 6, InputFrame());
    shot(s, "03-a-ledge-to-jump.png");
    plainShot(s, "03-a-ledge-to-jump-plain.png");
    hold(s, 2, holding({KEY_KEY_W, KEY_SPACE}));
    walk(s, 22);  // over the ledge and down into the hall
    hold(s, 4, InputFrame());
    shot(s, "04-into-the-hall.png");
    goTo(s, 8, 2, 0, 0, 0);  // the middle of the hall, facing its north wall
    hold(s, 2, InputFrame());
    press(s, KEY_KEY_Q);
    hold(s, 17, InputFrame());  // its front reaches the walls, 45 away
    shot(s, "05-the-cane-finds-the-hall-walls.png");
    goTo(s, -3, 2, -15, 0, 45);  // before a crate, looking down at it
    hold(s, 3, InputFrame());
    press(s, KEY_KEY_E);
    hold(s, 3, InputFrame());
    press(s, KEY_KEY_Q);
    hold(s, 6, InputFrame());
    shot(s, "06-carrying-a-crate.png");
    plainShot(s, "06-carrying-a-crate-plain.png");
    goTo(s, 5, 2, 38.5f, 0, 30);  // the crate carried along, over the plate right of the door
    hold(s, 3, InputFrame());
    press(s, KEY_KEY_E);  // the carried crate hangs in view: using it puts it down
    hold(s, 20, InputFrame());
    press(s, KEY_KEY_Q);
    hold(s, 6, InputFrame());
    shot(s, "07-the-crate-weighs-down-the-plate.png");
    goTo(s, -3.5f, 2, 41.5f, 0, 20);  // before the switch on the wall left of the door
    hold(s, 3, InputFrame());
    press(s, KEY_KEY_E);
    turn(s, 30, 0, 5);  // toward the door
    press(s, KEY_KEY_Q);
    hold(s, 8, InputFrame());
    shot(s, "08-the-switch-opens-the-door.png");
    plainShot(s, "08-the-switch-opens-the-door-plain.png");
    goTo(s, 2, 2, 38, 20, -15);  // the pipe drips by the door in its analysed colours
    hold(s, 45, InputFrame());
    shot(s, "09-the-pipe-drips-by-the-door.png");
    goTo(s, 0, 2, 42, 0, 0);  // through the door into the exit room
    hold(s, 2, InputFrame());
    walk(s, 30);
    hold(s, 6, InputFrame());
    shot(s, "10-the-way-out.png");
    turn(s, 180, 0, 12);  // back toward the hall while the reveal sweeps it
    hold(s, 12, InputFrame());
    shot(s, "11-the-level-revealed.png");
    hold(s, 1, InputFrame());
    return s;
}
