#include "DemoScript.h"

using namespace irr;

namespace {

// Appends `frames` frames of the same input.
void hold(DemoScript& s, size_t frames, InputFrame frame) {
    s.input.insert(s.input.end(), frames, frame);
}

InputFrame lookBy(float dx, float dy) {
    InputFrame f;
    f.cursorX = 0.5f + dx;
    f.cursorY = 0.5f + dy;
    return f;
}

void shot(DemoScript& s, const char* name) { s.shots.push_back({s.input.size(), name}); }

}  // namespace

DemoScript makeDemoScript() {
    DemoScript s;
    hold(s, 5, InputFrame());
    shot(s, "01-start.png");
    hold(s, 10, lookBy(0.09f, 0.0f));  // turn right 90 degrees over ten frames
    shot(s, "02-look-right.png");
    hold(s, 20, lookBy(-0.09f, 0.0f));  // and back past the start to the left
    shot(s, "03-look-left.png");
    hold(s, 10, lookBy(0.09f, 0.03f));  // back to the front, looking down
    shot(s, "04-look-down.png");
    InputFrame f2;
    f2.keys = {KEY_F2};
    hold(s, 1, f2);  // wave shading off: the level in its plain colours, for level designers
    hold(s, 2, InputFrame());
    shot(s, "05-shading-off.png");
    hold(s, 1, f2);
    hold(s, 1, InputFrame());
    return s;
}
