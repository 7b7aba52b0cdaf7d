#pragma once
// The one line of text a level's scripts show the player (ShowMessage): light text at the
// lower middle of the view, held for a few seconds and then faded out, its letters enlarged on
// tall screens. A newer line replaces the one shown. Drawn over the finished scene.

#include <irrlicht.h>

#include <cstddef>
#include <string>

namespace Graphics {

class ScreenMessage {
public:
    static constexpr std::size_t kMostBytes = 120;  // a longer text is cut here
    static constexpr irr::s32 kShownMs = 4000;      // from showing to gone
    static constexpr irr::s32 kFadeMs = 1000;       // the last part of that, fading out

    static ScreenMessage& instance();

    // Replaces the line: the text made one line (control characters become spaces) and cut.
    void show(const std::string& text);
    // Ages the line by the frame time since the last draw (as much of it as the play clock
    // counts: a line shown while loading is not aged by the loading), then draws what is left.
    void draw(irr::IrrlichtDevice* device, irr::s32 frameMs);

    const std::string& text() const { return line; }
    bool visible() const { return !line.empty() && ageMs < kShownMs; }

private:
    irr::video::ITexture* enlargeable(irr::video::IVideoDriver* driver, irr::gui::IGUIFont* font,
                                      const irr::core::stringw& text, const irr::core::dimension2du& size);

    std::string line;
    irr::s32 ageMs = kShownMs;
    bool fresh = false;  // shown since the last draw: not aged yet
    irr::video::ITexture* rendered = nullptr;  // the line, for drawing enlarged; the driver's
    bool stale = true;                          // the line changed since it was rendered
};

}  // namespace Graphics
