#include "graphics/AimDot.h"

using namespace irr;

namespace Graphics {

namespace {

const video::SColor FAINT(110, 200, 200, 200);
const s32 HALF_SIZE = 1;  // pixels: a 3 x 3 dot

}  // namespace

AimDot& AimDot::instance() {
    static AimDot dot;
    return dot;
}

void AimDot::draw(video::IVideoDriver* driver) const {
    if (!shown || !driver) return;
    const core::dimension2du screen = driver->getScreenSize();
    const core::vector2di centre(screen.Width / 2, screen.Height / 2);
    driver->draw2DRectangle(FAINT, core::recti(centre.X - HALF_SIZE, centre.Y - HALF_SIZE,
                                               centre.X + HALF_SIZE + 1, centre.Y + HALF_SIZE + 1));
}

}  // namespace Graphics
