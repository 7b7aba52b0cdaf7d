#include "graphics/ScreenMessage.h"

#include "graphics/CountedFrame.h"

#include <algorithm>

using namespace irr;

namespace Graphics {

namespace {

const video::SColor TEXT(255, 235, 232, 220);  // light, a little warm
const video::SColor BAND(150, 0, 0, 0);        // behind the text, so it reads over lit walls
const s32 PADDING = 6;                         // pixels around the text

const u32 PIXELS_PER_SCALE = 400;              // screen height per step of letter size

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
    // C0, DEL and C1 (0x9b starts a terminal command, like ESC [): none is a letter of the font,
    // and the printed copy must not steer the player's terminal.
    for (char& c : line) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < ' ' || (byte >= 127 && byte < 160)) c = ' ';
    }
    ageMs = 0;
    fresh = true;
    stale = true;
}

void ScreenMessage::draw(IrrlichtDevice* device, s32 frameMs) {
    if (!fresh) ageMs = std::min(kShownMs, ageMs + countedFrameMs(frameMs));
    fresh = false;
    if (!visible() || !device) return;
    gui::IGUIFont* font = device->getGUIEnvironment()->getBuiltInFont();
    video::IVideoDriver* driver = device->getVideoDriver();
    if (!font || !driver) return;

    const f32 share = std::min(1.0f, static_cast<f32>(kShownMs - ageMs) / kFadeMs);
    // The built-in font covers Latin-1: each byte is its own character.
    core::stringw wide;
    for (char c : line) wide.append(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    const core::dimension2du screen = driver->getScreenSize();
    const core::dimension2du natural = font->getDimension(wide.c_str());
    video::ITexture* large = screen.Height >= 2 * PIXELS_PER_SCALE ? enlargeable(driver, font, wide, natural) : nullptr;
    const s32 scale = large ? static_cast<s32>(screen.Height / PIXELS_PER_SCALE) : 1;
    const core::dimension2di size = core::dimension2di(natural) * scale;
    const core::vector2di at((static_cast<s32>(screen.Width) - size.Width) / 2, static_cast<s32>(screen.Height) * 3 / 4);
    const core::vector2di padding(PADDING * scale, PADDING * scale / 2);
    driver->draw2DRectangle(faded(BAND, share), core::recti(at - padding, at + core::vector2di(size.Width, size.Height) + padding));
    if (!large) {
        font->draw(wide, core::recti(at, size), faded(TEXT, share));
        return;
    }
    const video::SColor colour = faded(TEXT, share);
    const video::SColor colours[4] = {colour, colour, colour, colour};
    driver->draw2DImage(large, core::recti(at, size), core::recti(core::vector2di(0, 0), core::dimension2di(natural)),
                        nullptr, colours, true);
}

// The line drawn once, white on clear, into a texture that is then drawn enlarged: one draw a
// frame, where drawing each letter enlarged costs a draw per letter. None if the driver has no
// render targets.
video::ITexture* ScreenMessage::enlargeable(video::IVideoDriver* driver, gui::IGUIFont* font, const core::stringw& text,
                                            const core::dimension2du& size) {
    if (rendered && !stale) return rendered;
    if (rendered) driver->removeTexture(rendered);
    stale = false;
    rendered = driver->addRenderTargetTexture(size, "ScreenMessage", video::ECF_A8R8G8B8);
    if (!rendered) return nullptr;
    driver->setRenderTarget(rendered, true, false, video::SColor(0, 0, 0, 0));
    font->draw(text, core::recti(core::vector2di(0, 0), core::dimension2di(size)), video::SColor(255, 255, 255, 255));
    driver->setRenderTarget(nullptr, false, false);
    return rendered;
}

}  // namespace Graphics
