// velmora-decode: decodes one mesh or image file for the game with Irrlicht's own readers, so
// that a reader a hostile file crashes or hangs takes down only this short-lived process. The
// game starts it under limits, writes the request to its standard input (a socket) and reads
// the reply from the same socket (DecoderReply). Standard output and error go nowhere.
//
// The request: one kind byte ('M' mesh, 'I' image), u32 name length, the file's name (its
// extension picks the reader), then the file's bytes up to the end of the input.
#include "decoder/MeshToBuffers.h"
#include "level/DecoderReply.h"

#include <irrlicht.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>

using namespace irr;

namespace {

const std::size_t MAX_REQUEST_BYTES = std::size_t(80) << 20;

std::string readRequest() {
    std::string in;
    char chunk[65536];
    ssize_t n;
    while ((n = read(0, chunk, sizeof chunk)) > 0 && in.size() <= MAX_REQUEST_BYTES) in.append(chunk, std::size_t(n));
    return in;
}

void reply(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = write(0, bytes.data() + sent, bytes.size() - sent);
        if (n <= 0) break;
        sent += std::size_t(n);
    }
}

bool someLoaderTakes(video::IVideoDriver* driver, const io::path& name) {
    for (u32 i = 0; i < driver->getImageLoaderCount(); ++i)
        if (driver->getImageLoader(i)->isALoadableFileExtension(name)) return true;
    return false;
}

std::string decodeImage(IrrlichtDevice* device, io::IReadFile* file) {
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
    scene::IAnimatedMesh* animated = scene->getMesh(file);
    scene::IMesh* mesh = animated && animated->getFrameCount() > 0 ? animated->getMesh(0) : nullptr;
    if (!mesh) return encodeRefusal(READER_FAILED);
    return encodeMeshReply(meshToBuffers(mesh));
}

}  // namespace

int main() {
    std::string request = readRequest();
    std::uint32_t nameLength = 0;
    if (request.size() < 5 || request.size() > MAX_REQUEST_BYTES) _exit(2);
    std::memcpy(&nameLength, request.data() + 1, 4);
    if (nameLength > request.size() - 5) _exit(2);
    std::string name = request.substr(5, nameLength);
    std::size_t dataAt = 5 + std::size_t(nameLength);

    // The console device: no display connection to open, nothing drawn.
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.DeviceType = EIDT_CONSOLE;
    params.LoggingLevel = ELL_NONE;
    IrrlichtDevice* device = createDeviceEx(params);
    if (!device) _exit(3);
    io::IReadFile* file = device->getFileSystem()->createMemoryReadFile(
        request.data() + dataAt, s32(request.size() - dataAt), name.c_str(), false);
    reply(request[0] == 'I' ? decodeImage(device, file) : decodeMesh(device, file));
    // Nothing the helper holds needs tidying: the process ends here.
    _exit(0);
}
