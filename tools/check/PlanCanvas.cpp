#include "PlanCanvas.h"

#include "PlanFont.h"

#include <algorithm>
#include <cmath>

using namespace irr;

PlanCanvas::PlanCanvas(video::IVideoDriver& driver, core::dimension2du size, video::SColor background)
    : image(driver.createImage(video::ECF_R8G8B8, size)), wide(int(size.Width)), high(int(size.Height)) {
    image->fill(background);
}

PlanCanvas::~PlanCanvas() { image->drop(); }

void PlanCanvas::dot(int x, int y, video::SColor colour) {
    if (x >= 0 && y >= 0 && x < wide && y < high) image->setPixel(u32(x), u32(y), colour);
}

video::SColor PlanCanvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= wide || y >= high) return video::SColor(0, 0, 0, 0);
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

void PlanCanvas::circle(core::vector2df centre, float radius, video::SColor colour, int dash) {
    const int steps = std::max(16, int(radius * 7));
    const float perStep = 2 * core::PI * radius / float(steps);  // pixels of arc
    for (int i = 0; i < steps; ++i) {
        if (dash > 0 && int(float(i) * perStep / float(dash)) % 2 == 1) continue;
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

void PlanCanvas::eachPixelIn(core::vector2df a, core::vector2df b, core::vector2df c,
                             const std::function<void(int, int, float, float)>& paint) const {
    const float area = (b - a).X * (c - a).Y - (b - a).Y * (c - a).X;
    if (std::fabs(area) < 1e-6f) return;
    const int x0 = std::max(0, int(std::min({a.X, b.X, c.X}))), x1 = std::min(wide - 1, int(std::max({a.X, b.X, c.X})));
    const int y0 = std::max(0, int(std::min({a.Y, b.Y, c.Y}))), y1 = std::min(high - 1, int(std::max({a.Y, b.Y, c.Y})));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const core::vector2df p(float(x) + 0.5f, float(y) + 0.5f);
            const float u = ((c - b).X * (p - b).Y - (c - b).Y * (p - b).X) / area;
            const float v = ((a - c).X * (p - c).Y - (a - c).Y * (p - c).X) / area;
            if (u >= 0 && v >= 0 && u + v <= 1) paint(x, y, u, v);
        }
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
