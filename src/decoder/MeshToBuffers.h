#pragma once
// The decoding helper's side of a mesh: Irrlicht's buffers, of any vertex and index type, as
// plain triangles with standard vertices, and the texture namer that keeps the helper from
// decoding textures a mesh names.

#include "level/DecoderReply.h"

#include <irrlicht.h>

#include <vector>

std::vector<DecodedBuffer> meshToBuffers(irr::scene::IMesh* mesh);

// Takes every image file, decodes none of it, and stands a 1x1 image in its place: the
// texture keeps its file's name, which is all the helper hands back.
class CTextureNamer : public irr::video::IImageLoader {
public:
    explicit CTextureNamer(irr::video::IVideoDriver* driver) : driver(driver) {}
    bool isALoadableFileExtension(const irr::io::path&) const override { return true; }
    bool isALoadableFileFormat(irr::io::IReadFile*) const override { return true; }
    irr::video::IImage* loadImage(irr::io::IReadFile*) const override {
        return driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(1, 1));
    }

private:
    irr::video::IVideoDriver* driver;
};
