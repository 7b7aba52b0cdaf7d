#include "decoder/Decode.h"

#include "decoder/BmpRuns.h"
#include "decoder/GameFolderOnly.h"
#include "decoder/MeshToBuffers.h"
#include "level/DecoderReply.h"
#include "level/LevelCaps.h"

#include <irrlicht.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace irr;

namespace {

bool someLoaderTakes(video::IVideoDriver* driver, const io::path& name) {
    for (u32 i = 0; i < driver->getImageLoaderCount(); ++i)
        if (driver->getImageLoader(i)->isALoadableFileExtension(name)) return true;
    return false;
}

std::string decodeImage(IrrlichtDevice* device, io::IReadFile* file, std::string_view bytes) {
    if (!bmpRunsFit(bytes)) return encodeRefusal(RUNS_PAST_IMAGE);
    video::IVideoDriver* driver = device->getVideoDriver();
    video::IImage* image = driver->createImageFromFile(file);
    if (!image) return encodeRefusal(someLoaderTakes(driver, file->getFileName()) ? READER_FAILED : NO_READER);
    core::dimension2du size = image->getDimension();
    if (size.Width == 0 || size.Height == 0 || size.Width > MAX_IMAGE_SIDE || size.Height > MAX_IMAGE_SIDE) {
        image->drop();
        return encodeRefusal(READER_FAILED);
    }
    video::IImage* plain = driver->createImage(video::ECF_A8R8G8B8, size);
    image->copyTo(plain);
    image->drop();
    std::vector<std::uint32_t> pixels(std::size_t(size.Width) * size.Height);
    const u8* rows = static_cast<const u8*>(plain->lock());
    for (u32 y = 0; y < size.Height; ++y)
        std::memcpy(&pixels[std::size_t(y) * size.Width], rows + std::size_t(y) * plain->getPitch(), size.Width * 4u);
    plain->unlock();
    plain->drop();
    return encodeImageReply(size.Width, size.Height, pixels);
}

// The triangles an .obj's faces make, counted before its reader holds them all: a face of n
// corners is n - 2 triangles. Zero for other kinds of file.
std::size_t objTriangles(io::IReadFile* file) {
    if (!core::hasFileExtension(file->getFileName(), "obj")) return 0;
    std::string text(std::size_t(std::max(file->getSize(), 0l)), '\0');
    text.resize(std::size_t(std::max(file->read(text.data(), u32(text.size())), 0)));
    file->seek(0);
    std::size_t triangles = 0;
    for (std::size_t line = 0; line < text.size(); line = text.find('\n', line) + 1) {
        const std::size_t end = std::min(text.find('\n', line), text.size());
        if (text.compare(line, 2, "f ") != 0) {
            if (end == text.size()) break;
            continue;
        }
        std::size_t corners = 0;
        for (std::size_t at = line + 1; at < end; ++at)
            corners += text[at] > ' ' && text[at - 1] <= ' ';
        triangles += corners > 2 ? corners - 2 : 0;
        if (end == text.size()) break;
    }
    return triangles;
}

std::string decodeMesh(IrrlichtDevice* device, io::IReadFile* file) {
    scene::ISceneManager* scene = device->getSceneManager();
    // Textures a mesh names are only named back: the game has each decoded on its own.
    CTextureNamer* namer = new CTextureNamer(device->getVideoDriver());
    device->getVideoDriver()->addExternalImageLoader(namer);
    namer->drop();
    bool known = false;
    for (u32 i = 0; i < scene->getMeshLoaderCount(); ++i)
        known = known || scene->getMeshLoader(i)->isALoadableFileExtension(file->getFileName());
    if (!known) return encodeRefusal(NO_READER);
    if (objTriangles(file) > kMostLevelTriangles) return encodeRefusal(TOO_MANY_TRIANGLES);
    scene::IAnimatedMesh* animated = scene->getMesh(file);
    scene::IMesh* mesh = animated && animated->getFrameCount() > 0 ? animated->getMesh(0) : nullptr;
    if (!mesh) return encodeRefusal(READER_FAILED);
    std::vector<DecodedBuffer> buffers = meshToBuffers(mesh);
    std::size_t triangles = 0;
    for (const DecodedBuffer& buffer : buffers) triangles += buffer.indices.size() / 3;
    if (triangles > kMostLevelTriangles) return encodeRefusal(TOO_MANY_TRIANGLES);
    return encodeMeshReply(buffers);
}

IrrlichtDevice* quietDevice() {
    // The console device: no display connection to open, nothing drawn.
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.DeviceType = EIDT_CONSOLE;
    params.LoggingLevel = ELL_NONE;
    return createDeviceEx(params);
}

}  // namespace

std::string decodeRequest(bool image, const std::string& name, std::string_view bytes) {
    IrrlichtDevice* device = quietDevice();
    if (!device) return std::string();
    // The file system takes over this reference: it does not grab an archive handed to it.
    device->getFileSystem()->addFileArchive(new CGameFolderOnly(device->getFileSystem()));
    io::IReadFile* file = device->getFileSystem()->createMemoryReadFile(const_cast<char*>(bytes.data()),
                                                                        s32(bytes.size()), name.c_str(), false);
    std::string reply = image ? decodeImage(device, file, bytes) : decodeMesh(device, file);
    file->drop();
    device->drop();
    return reply;
}
