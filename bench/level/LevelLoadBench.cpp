// The shipped level's load (its check and Irrlicht's scene load, on a fresh null device each
// time): once with the helper-backed readers in front of Irrlicht's, once with Irrlicht's alone,
// interleaved; then the same level with every mesh written as .obj, which the helper decodes one
// process per file. Prints medians in ms and their ratios. Run from game/: level_load_bench [rounds]
// It runs in a game folder of its own, a copy of game/Content, where the .obj files and the .mtl
// files Irrlicht's writer drops in the working directory are written; game/ is left as it was.
#include "level/ContentFile.h"
#include "level/LevelFile.h"
#include "level/SandboxedContent.h"

#include <irrlicht.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

using namespace irr;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds to load `level` into a fresh scene.
double loadOnce(const std::string& level, bool sandboxed) {
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    device->getLogger()->setLogLevel(ELL_NONE);
    if (sandboxed) installSandboxedReaders(device);
    auto start = std::chrono::steady_clock::now();
    loadLevelText(device->getSceneManager(), "bench.irr", level);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    device->drop();
    return ms;
}

// The level with each .irrmesh it names written as an .obj of the same triangles, in the working
// directory (the game folder), where the writer puts each one's .mtl too.
std::string withObjMeshes(std::string level) {
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    device->getLogger()->setLogLevel(ELL_NONE);
    scene::ISceneManager* scene = device->getSceneManager();
    scene::IMeshWriter* writer = scene->createMeshWriter(scene::EMWT_OBJ);
    for (std::size_t at = level.find("Content/meshes/"); at != std::string::npos;
         at = level.find("Content/meshes/", at + 1)) {
        std::size_t end = level.find('"', at);
        std::string mesh = level.substr(at, end - at);
        std::string obj = std::filesystem::path(mesh).filename().replace_extension(".obj").string();
        io::IWriteFile* file = device->getFileSystem()->createAndWriteFile(obj.c_str());
        writer->writeMesh(file, scene->getMesh(mesh.c_str())->getMesh(0));
        file->drop();
        level.replace(at, end - at, obj);
    }
    writer->drop();
    device->drop();
    return level;
}

// A copy of the game's content in a folder of the bench's own, made the working directory (the
// game folder) while the bench lives.
class GameFolderCopy {
public:
    GameFolderCopy() : original(std::filesystem::current_path()) {
        folder = std::filesystem::temp_directory_path() / ("velmora_level_load_bench_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::filesystem::copy(original / "Content", folder / "Content", std::filesystem::copy_options::recursive);
        std::filesystem::current_path(folder);
    }
    ~GameFolderCopy() {
        std::filesystem::current_path(original);
        std::filesystem::remove_all(folder);
    }

private:
    std::filesystem::path original, folder;
};

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    GameFolderCopy gameFolder;
    std::string level = readContentFile("Content/TestRoom3.irr", std::uintmax_t(64) << 20).text;
    std::string objLevel = withObjMeshes(level);

    std::vector<double> plain, sandboxed, objs;
    std::FILE* quiet = std::freopen("/dev/null", "w", stdout);
    for (int i = 0; i < rounds; ++i) {
        // Each goes first in turn: what ran just before (17 helper processes) must not favour one.
        objs.push_back(loadOnce(objLevel, true));
        if (i % 2) plain.push_back(loadOnce(level, false));
        sandboxed.push_back(loadOnce(level, true));
        if (i % 2 == 0) plain.push_back(loadOnce(level, false));
    }
    if (quiet) std::freopen("/dev/tty", "w", stdout);
    std::fprintf(stderr, "shipped level, Irrlicht's readers alone:   %.1f ms\n", median(plain));
    std::fprintf(stderr, "shipped level, helper-backed readers:      %.1f ms  (x%.2f)\n", median(sandboxed),
                 median(sandboxed) / median(plain));
    std::fprintf(stderr, "shipped level as .obj, one helper per mesh: %.1f ms  (x%.2f)\n", median(objs),
                 median(objs) / median(plain));
    return 0;
}
