#include "graphics/ScreenMessage.h"

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

// The font's letters drawn `scale` times their size, so the line stays legible on a large
// screen; a font that is not a bitmap is drawn at its own size.
void drawScaled(gui::IGUIFont* font, video::IVideoDriver* driver, const core::stringw& text,
                core::vector2di at, s32 scale, video::SColor colour) {
    if (font->getType() != gui::EGFT_BITMAP) {
        font->draw(text, core::recti(at, at), colour);
        return;
    }
    gui::IGUIFontBitmap* bitmap = static_cast<gui::IGUIFontBitmap*>(font);
    gui::IGUISpriteBank* bank = bitmap->getSpriteBank();
    const video::SColor colours[4] = {colour, colour, colour, colour};
    for (u32 i = 0; i < text.size(); ++i) {
        const wchar_t letter[2] = {text[i], 0};
        const u32 sprite = bitmap->getSpriteNoFromChar(letter);
        if (sprite < bank->getSprites().size() && !bank->getSprites()[sprite].Frames.empty()) {
            const gui::SGUISpriteFrame& frame = bank->getSprites()[sprite].Frames[0];
            const core::recti& source = bank->getPositions()[frame.rectNumber];
            driver->draw2DImage(bank->getTexture(frame.textureNumber),
                                core::recti(at, source.getSize() * scale), source, nullptr, colours, true);
        }
        at.X += static_cast<s32>(font->getDimension(letter).Width) * scale;
    }
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
    const core::dimension2du screen = driver->getScreenSize();
    const s32 scale = std::max<s32>(1, screen.Height / PIXELS_PER_SCALE);
    const core::dimension2di size = core::dimension2di(font->getDimension(wide.c_str())) * scale;
    const core::vector2di at((static_cast<s32>(screen.Width) - size.Width) / 2, static_cast<s32>(screen.Height) * 3 / 4);
    const core::vector2di padding(PADDING * scale, PADDING * scale / 2);
    driver->draw2DRectangle(faded(BAND, share), core::recti(at - padding, at + core::vector2di(size.Width, size.Height) + padding));
    drawScaled(font, driver, wide, at, scale, faded(TEXT, share));
}

}  // namespace Graphics
