#include "PlanCanvas.h"

#include "PlanFont.h"

#include <algorithm>
#include <cmath>

using namespace irr;

PlanCanvas::PlanCanvas(video::IVideoDriver& driver, core::dimension2du size, video::SColor background)
    : image(driver.createImage(video::ECF_R8G8B8, size)), width(int(size.Width)), height(int(size.Height)) {
    image->fill(background);
}

PlanCanvas::~PlanCanvas() { image->drop(); }

void PlanCanvas::dot(int x, int y, video::SColor colour) {
    if (x >= 0 && y >= 0 && x < width && y < height) image->setPixel(u32(x), u32(y), colour);
}

video::SColor PlanCanvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return video::SColor(0, 0, 0, 0);
    return image->getPixel(u32(x), u32(y));
}

void PlanCanvas::line(core::vector2df a, core::vector2df b, video::SColor colour, int thickness, int dash) {
    const float length = a.getDistanceFrom(b);
    const int steps = std::max(1, int(std::ceil(length)));
    for (int i = 0; i <= steps; ++i) {
        if (dash > 0 && (i / dash) % 2 == 1) continue;
        const core::vector2df p = a + (b - a) * (float(i) / float(steps));
        for (int dx = 0; dx < thickness; ++dx)
            for (int dy = 0; dy < thickness; ++dy)
                dot(int(std::floor(p.X)) + dx - thickness / 2, int(std::floor(p.Y)) + dy - thickness / 2, colour);
    }
}

void PlanCanvas::circle(core::vector2df centre, float radius, video::SColor colour) {
    const int steps = std::max(16, int(radius * 7));
    for (int i = 0; i < steps; ++i) {
        const float angle = 2 * core::PI * float(i) / float(steps);
        dot(int(std::floor(centre.X + radius * std::cos(angle))), int(std::floor(centre.Y + radius * std::sin(angle))),
            colour);
    }
}

void PlanCanvas::disc(core::vector2df centre, float radius, video::SColor colour) {
    for (int y = int(std::floor(centre.Y - radius)); y <= int(std::ceil(centre.Y + radius)); ++y)
        for (int x = int(std::floor(centre.X - radius)); x <= int(std::ceil(centre.X + radius)); ++x)
            if (core::vector2df(float(x) + 0.5f, float(y) + 0.5f).getDistanceFromSQ(centre) <= radius * radius)
                dot(x, y, colour);
}

void PlanCanvas::fill(core::recti area, video::SColor colour) {
    for (int y = area.UpperLeftCorner.Y; y <= area.LowerRightCorner.Y; ++y)
        for (int x = area.UpperLeftCorner.X; x <= area.LowerRightCorner.X; ++x) dot(x, y, colour);
}

void PlanCanvas::outline(core::recti area, video::SColor colour, int thickness, int dash) {
    const core::vector2df a(float(area.UpperLeftCorner.X), float(area.UpperLeftCorner.Y));
    const core::vector2df c(float(area.LowerRightCorner.X), float(area.LowerRightCorner.Y));
    const core::vector2df b(c.X, a.Y), d(a.X, c.Y);
    line(a, b, colour, thickness, dash);
    line(b, c, colour, thickness, dash);
    line(c, d, colour, thickness, dash);
    line(d, a, colour, thickness, dash);
}

int PlanCanvas::text(int x, int y, const std::string& words, video::SColor colour, int scale) {
    const int advance = (GLYPH_WIDTH + 1) * scale;
    for (size_t i = 0; i < words.size(); ++i) {
        const char* dots = glyphOf(words[i]);
        for (int row = 0; row < GLYPH_HEIGHT; ++row)
            for (int column = 0; column < GLYPH_WIDTH; ++column)
                if (dots[row * GLYPH_WIDTH + column] == '#')
                    fill(core::recti(x + int(i) * advance + column * scale, y + row * scale,
                                     x + int(i) * advance + (column + 1) * scale - 1, y + (row + 1) * scale - 1),
                         colour);
    }
    return int(words.size()) * advance;
}

bool PlanCanvas::write(video::IVideoDriver& driver, const char* path) {
    return driver.writeImageToFile(image, path);
}
