#include "level/SandboxedContent.h"

#include "level/CheckedMeshLoader.h"
#include "level/ConsoleText.h"
#include "level/ContentFile.h"
#include "level/DecoderProcess.h"
#include "level/DecodedMesh.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>

using namespace irr;

namespace {

const std::uintmax_t MAX_DECODED_FILE_BYTES = std::uintmax_t(64) << 20;

// Decoded textures of one level together: each is held as plain pixels until Irrlicht makes a
// texture of it, and every texture stays for the level's life.
const std::size_t MOST_TEXTURES = 1024;
const std::uint64_t MOST_TEXTURE_BYTES = std::uint64_t(256) << 20;

std::map<std::string, DecodedContent> decodedFiles;  // by canonical path

struct TextureBudget {
    std::size_t count = 0;
    std::uint64_t bytes = 0;
} spent;

// Empty when the level's textures can take this one too; it is then counted.
std::string spendOn(const DecodedContent& image) {
    const std::uint64_t bytes = std::uint64_t(image.pixels.size()) * sizeof(std::uint32_t);
    if (spent.count >= MOST_TEXTURES || spent.bytes + bytes > MOST_TEXTURE_BYTES)
        return "would take the level's textures past the " + std::to_string(MOST_TEXTURES) + " textures or " +
               std::to_string(MOST_TEXTURE_BYTES >> 20) + " MiB of pixels they may have";
    ++spent.count;
    spent.bytes += bytes;
    return std::string();
}

// Irrlicht opens a file by its absolute path with links resolved, the level names it relative
// to the game's folder: both come to the same key.
std::string canonical(const std::string& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

DecodedContent decodeBytes(bool image, const std::string& name, std::string_view bytes) {
    DecoderRun run = runDecoder(image, name, bytes);
    DecodedContent decoded;
    if (!run.problem.empty())
        decoded.problem = run.problem;
    else
        decoded = readReply(run.reply, image);
    if (image && decoded.problem.empty()) decoded.problem = spendOn(decoded);
    if (!decoded.problem.empty()) decoded.pixels.clear();
    return decoded;
}

// What Irrlicht's load of `file` gets: the level check's decode, or a decode made now.
DecodedContent decodedFor(io::IReadFile* file, bool image) {
    std::string name = file->getFileName().c_str();
    auto known = decodedFiles.find(canonical(name));
    if (known != decodedFiles.end()) {
        DecodedContent taken = std::move(known->second);
        decodedFiles.erase(known);
        return taken;
    }
    std::string bytes;
    long size = file->getSize();
    if (size < 0 || std::uintmax_t(size) > MAX_DECODED_FILE_BYTES) {
        DecodedContent refused;
        refused.problem = "is larger than the " + std::to_string(MAX_DECODED_FILE_BYTES >> 20) +
                          " MiB such a file may have";
        return refused;
    }
    bytes.resize(std::size_t(size));
    bytes.resize(std::size_t(std::max(file->read(bytes.data(), u32(size)), 0)));
    return decodeBytes(image, name, bytes);
}

class CSandboxedMeshLoader : public scene::IMeshLoader {
public:
    explicit CSandboxedMeshLoader(video::IVideoDriver* driver) : driver(driver) {}
    bool isALoadableFileExtension(const io::path& name) const override {
        return meshDecodedInHelper(name.c_str());
    }
    scene::IAnimatedMesh* createMesh(io::IReadFile* file) override {
        DecodedContent decoded = decodedFor(file, false);
        if (!decoded.problem.empty())
            std::printf("Level: mesh %s %s; it is left empty\n", oneLine(file->getFileName().c_str(), 200).c_str(),
                        decoded.problem.c_str());
        // Never null: Irrlicht would then try its own reader in the game.
        return buildDecodedMesh(decoded, file->getFileName().c_str(), driver);
    }

private:
    video::IVideoDriver* driver;
};

class CSandboxedImageLoader : public video::IImageLoader {
public:
    explicit CSandboxedImageLoader(video::IVideoDriver* driver) : driver(driver) {}
    bool isALoadableFileExtension(const io::path&) const override { return true; }
    bool isALoadableFileFormat(io::IReadFile*) const override { return true; }
    video::IImage* loadImage(io::IReadFile* file) const override {
        DecodedContent decoded = decodedFor(file, true);
        if (!decoded.problem.empty()) {
            std::printf("Level: texture %s %s; a blank one stands in its place\n",
                        oneLine(file->getFileName().c_str(), 200).c_str(), decoded.problem.c_str());
            decoded.width = decoded.height = 1;
            decoded.pixels.assign(1, 0xffffffffu);
        }
        return driver->createImageFromData(video::ECF_A8R8G8B8, core::dimension2du(decoded.width, decoded.height),
                                           decoded.pixels.data(), false, true);
    }

private:
    video::IVideoDriver* driver;
};

}  // namespace

bool meshDecodedInHelper(const char* path) {
    std::string name(path);
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    auto endsWith = [&name](std::string_view tail) {
        return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    return !endsWith(".irrmesh") && !endsWith(".xml");
}

std::string decodedFileProblem(const char* path, bool image) {
    const std::string key = canonical(path);
    if (decodedFiles.count(key)) return std::string();
    ContentFile file = readContentFile(path, MAX_DECODED_FILE_BYTES);
    if (!file.problem.empty()) return file.problem;
    DecodedContent decoded = decodeBytes(image, path, file.text);
    if (!decoded.problem.empty()) return decoded.problem;
    decodedFiles[key] = std::move(decoded);
    return std::string();
}

void forgetDecodedFiles() { decodedFiles.clear(); }

void beginLevelContent() {
    decodedFiles.clear();
    spent = TextureBudget();
}

void installSandboxedReaders(IrrlichtDevice* device) {
    video::IVideoDriver* driver = device->getVideoDriver();
    CSandboxedMeshLoader* meshes = new CSandboxedMeshLoader(driver);
    device->getSceneManager()->addExternalMeshLoader(meshes);
    meshes->drop();
    CSandboxedImageLoader* images = new CSandboxedImageLoader(driver);
    driver->addExternalImageLoader(images);
    images->drop();
    CCheckedMeshLoader* checked = new CCheckedMeshLoader(device->getSceneManager());
    device->getSceneManager()->addExternalMeshLoader(checked);
    checked->drop();
}
