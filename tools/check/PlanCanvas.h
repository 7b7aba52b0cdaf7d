#pragma once
// The picture the level plan is drawn on: an image in memory with the few shapes the plan
// needs, clipped to its edges. Points are in pixels, (0, 0) at the top left.

#include <irrlicht.h>

#include <functional>
#include <string>

class PlanCanvas {
public:
    PlanCanvas(irr::video::IVideoDriver& driver, irr::core::dimension2du size, irr::video::SColor background);
    ~PlanCanvas();
    PlanCanvas(const PlanCanvas&) = delete;
    PlanCanvas& operator=(const PlanCanvas&) = delete;

    void dot(int x, int y, irr::video::SColor colour);
    // dash: on and off lengths in pixels, 0 for a solid line.
    void line(irr::core::vector2df a, irr::core::vector2df b, irr::video::SColor colour, int width = 1, int dash = 0);
    // dash: on and off lengths in pixels along the circle, 0 for a solid one.
    void circle(irr::core::vector2df centre, float radius, irr::video::SColor colour, int dash = 0);
    // Calls paint(x, y, u, v) for every pixel of the picture whose middle lies in the triangle;
    // u and v weigh a and b there (c weighs 1 - u - v).
    void eachPixelIn(irr::core::vector2df a, irr::core::vector2df b, irr::core::vector2df c,
                     const std::function<void(int x, int y, float u, float v)>& paint) const;
    void disc(irr::core::vector2df centre, float radius, irr::video::SColor colour);
    void fill(irr::core::recti area, irr::video::SColor colour);
    void outline(irr::core::recti area, irr::video::SColor colour, int width = 1, int dash = 0);
    // Text in the plan's bitmap font, `scale` pixels a dot, its top left at (x, y); returns its width.
    int text(int x, int y, const std::string& words, irr::video::SColor colour, int scale = 2);

    irr::video::SColor at(int x, int y) const;
    int width() const { return wide; }
    int height() const { return high; }
    // The driver's writer picks the format by the file's extension.
    bool write(irr::video::IVideoDriver& driver, const char* path);

private:
    irr::video::IImage* image;
    int wide, high;
};
