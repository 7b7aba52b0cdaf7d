#include "graphics/ScreenMessage.h"

#include <algorithm>

using namespace irr;

namespace Graphics {

namespace {

const video::SColor TEXT(255, 235, 232, 220);  // light, a little warm
const video::SColor BAND(150, 0, 0, 0);        // behind the text, so it reads over lit walls
const s32 PADDING = 6;                         // pixels around the text

video::SColor faded(video::SColor colour, f32 share) {
    colour.setAlpha(static_cast<u32>(colour.getAlpha() * share));
    return colour;
}

}  // namespace

ScreenMessage& ScreenMessage::instance() {
    static ScreenMessage message;
    return message;
}

void ScreenMessage::show(const std::string& text) {
    line = text.substr(0, kMostBytes);
    for (char& c : line)
        if (static_cast<unsigned char>(c) < ' ' || c == 127) c = ' ';
    ageMs = 0;
    fresh = true;
}

void ScreenMessage::draw(IrrlichtDevice* device, s32 frameMs) {
    if (!fresh) ageMs = std::min(kShownMs, ageMs + std::max(frameMs, 0));
    fresh = false;
    if (!visible() || !device) return;
    gui::IGUIFont* font = device->getGUIEnvironment()->getBuiltInFont();
    video::IVideoDriver* driver = device->getVideoDriver();
    if (!font || !driver) return;

    const f32 share = std::min(1.0f, static_cast<f32>(kShownMs - ageMs) / kFadeMs);
    // The built-in font covers Latin-1: each byte is its own character.
    core::stringw wide;
    for (char c : line) wide.append(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    const core::dimension2du size = font->getDimension(wide.c_str());
    const core::dimension2du screen = driver->getScreenSize();
    const s32 left = (static_cast<s32>(screen.Width) - static_cast<s32>(size.Width)) / 2;
    const s32 top = static_cast<s32>(screen.Height) * 3 / 4;
    const core::recti box(left, top, left + size.Width, top + size.Height);
    driver->draw2DRectangle(faded(BAND, share), core::recti(box.UpperLeftCorner - core::vector2di(PADDING, PADDING / 2),
                                                            box.LowerRightCorner + core::vector2di(PADDING, PADDING / 2)));
    font->draw(wide, box, faded(TEXT, share));
}

}  // namespace Graphics
