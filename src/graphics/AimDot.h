#pragma once
// A faint dot at the centre of the view: where the use key aims. The world hides it while the
// player carries something.

#include <irrlicht.h>

namespace Graphics {

class AimDot {
public:
    static AimDot& instance();
    void draw(irr::video::IVideoDriver* driver) const;

    bool shown = false;  // the world update sets it every frame of play
};

}  // namespace Graphics
