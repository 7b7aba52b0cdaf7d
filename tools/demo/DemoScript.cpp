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

// At 33 msec a frame the player walks 0.4 units a frame, from the start at (0, 2, -22) facing +z.
DemoScript makeDemoScript() {
    DemoScript s;
    hold(s, 10, InputFrame());
    shot(s, "01-start.png");
    walk(s, 10);  // footsteps send out their rings
    turn(s, 0, 50, 4);  // down to the floor the rings spread on
    hold(s, 16, InputFrame());  // till the crates' landing rings from the start have passed
    shot(s, "02-footsteps.png");
    turn(s, 0, -50, 4);
    turn(s, 90, 0, 10);  // the weapon lies to the right
    walk(s, 8);
    turn(s, 0, 50, 10);
    press(s, KEY_KEY_E);
    hold(s, 3, InputFrame());
    shot(s, "03-weapon-taken.png");
    turn(s, -90, 0, 10);  // the crates are ahead again
    walk(s, 7);
    press(s, KEY_KEY_E);
    press(s, KEY_KEY_Q);  // a cane tap lights the floor under the carried crate
    hold(s, 6, InputFrame());
    shot(s, "04-carrying-a-crate.png");
    plainShot(s, "04-carrying-a-crate-plain.png");
    turn(s, -40, -20, 10);
    walk(s, 5);
    press(s, KEY_KEY_E);  // the carried crate hangs in view: using it puts it down
    hold(s, 20, InputFrame());
    shot(s, "05-crate-put-down.png");
    turn(s, 40, -30, 10);
    press(s, KEY_SPACE);
    hold(s, 8, InputFrame());
    shot(s, "06-jump.png");
    hold(s, 30, InputFrame());
    press(s, KEY_F2);  // wave shading off: the level in its plain colours, for level designers
    hold(s, 2, InputFrame());
    shot(s, "07-shading-off.png");
    press(s, KEY_F2);
    goTo(s, -8.5f, 2, 26, 0, 30);  // before the switch beside the door
    hold(s, 3, InputFrame());
    press(s, KEY_KEY_E);  // the switch swings the door open
    turn(s, 35, -10, 5);  // toward the door
    press(s, KEY_KEY_Q);  // a cane tap lights it
    hold(s, 8, InputFrame());
    shot(s, "08-door-swung-open.png");
    plainShot(s, "08-door-swung-open-plain.png");
    goTo(s, 18, 2, 8, 22, -15);  // the dripping pipe beats in its analysed colours
    hold(s, 45, InputFrame());
    shot(s, "09-pipe-beats.png");
    goTo(s, -20, 2, -12, 0, 20);  // the 1.0 ledge is climbed in stride
    walk(s, 14);
    turn(s, 0, 20, 5);  // on top, looking down over its far edge
    press(s, KEY_KEY_Q);
    hold(s, 8, InputFrame());
    shot(s, "10-up-the-1.0-ledge.png");
    plainShot(s, "10-up-the-1.0-ledge-plain.png");
    goTo(s, -20, 2, -1, 0, 20);  // the 1.3 ledge stops the player
    walk(s, 14);
    press(s, KEY_KEY_Q);
    hold(s, 6, InputFrame());
    shot(s, "11-stopped-by-the-1.3-ledge.png");
    plainShot(s, "11-stopped-by-the-1.3-ledge-plain.png");
    hold(s, 1, InputFrame());
    return s;
}
