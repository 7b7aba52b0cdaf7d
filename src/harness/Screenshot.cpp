#include "harness/Screenshot.h"

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"

#include <GL/gl.h>
#include <GL/glext.h>  // GL_BGRA: OpenGL 1.2, past what some systems' gl.h declares

#include <algorithm>

using namespace irr;

float Snapshot::brightness(u32 x0, u32 y0, u32 x1, u32 y1) const {
    double sum = 0;
    u32 n = 0;
    for (u32 y = y0; y < y1 && y < height; ++y)
        for (u32 x = x0; x < x1 && x < width; ++x, ++n) {
            video::SColor c = at(x, y);
            sum += (c.getRed() + c.getGreen() + c.getBlue()) / 3.0;
        }
    return n ? static_cast<float>(sum / n) : 0.0f;
}

float Snapshot::litShare(u32 x0, u32 y0, u32 x1, u32 y1, u32 level) const {
    u32 lit = 0, n = 0;
    for (u32 y = y0; y < y1 && y < height; ++y)
        for (u32 x = x0; x < x1 && x < width; ++x, ++n) {
            video::SColor c = at(x, y);
            if (std::max({c.getRed(), c.getGreen(), c.getBlue()}) > level) ++lit;
        }
    return n ? float(lit) / float(n) : 0.0f;
}

Snapshot readBackBuffer() {
    Snapshot shot;
    const core::dimension2du size = GraphicsSystem::instance().driver->getScreenSize();
    shot.width = size.Width;
    shot.height = size.Height;
    std::vector<u32> rows(size.Width * size.Height);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size.Width, size.Height, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
    shot.argb.resize(rows.size());
    for (u32 y = 0; y < size.Height; ++y)  // OpenGL's row 0 is the bottom
        std::copy(rows.begin() + (size.Height - 1 - y) * size.Width,
                  rows.begin() + (size.Height - y) * size.Width,
                  shot.argb.begin() + y * size.Width);
    return shot;
}

bool savePng(const Snapshot& shot, const std::string& file) {
    video::IVideoDriver* driver = GraphicsSystem::instance().driver;
    if (shot.argb.empty()) return false;
    std::vector<u32> pixels(shot.argb);
    video::IImage* image = driver->createImageFromData(
        video::ECF_A8R8G8B8, core::dimension2du(shot.width, shot.height), pixels.data(), false,
        false);
    if (!image) return false;
    bool written = driver->writeImageToFile(image, file.c_str());
    image->drop();
    return written;
}

Snapshot captureFrame() {
    GraphicsSystem& graphics = GraphicsSystem::instance();
    Snapshot shot;
    graphics.afterDraw = [&shot] { shot = readBackBuffer(); };
    runFrame();
    graphics.afterDraw = nullptr;
    return shot;
}
