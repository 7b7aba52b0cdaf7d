#include "level/LevelFile.h"

#include "level/ContentFile.h"
#include "level/LevelCaps.h"
#include "level/LevelFileCheck.h"
#include "level/SandboxedContent.h"

#include <cstdio>
#include <string>

using namespace irr;

namespace {

const std::uintmax_t MAX_LEVEL_BYTES = std::uintmax_t(64) << 20;

bool refuse(const char* path, const std::string& problem) {
    std::printf("Level: %s %s; the game goes on in an empty world\n", path, problem.c_str());
    return false;
}

}  // namespace

bool loadLevelText(scene::ISceneManager* sceneManager, const char* path, std::string_view text,
                   scene::ISceneNode* root) {
    beginLevelContent();
    LevelCheck check = checkLevelText(text);
    if (!check.problem.empty()) return refuse(path, check.problem);
    for (const std::string& line : check.lines) std::printf("%s\n", line.c_str());
    if (check.unlisted)
        std::printf("Level: %zu more problems in %s are not listed\n", check.unlisted, path);

    io::IReadFile* file = sceneManager->getFileSystem()->createMemoryReadFile(
        check.text.data(), static_cast<s32>(check.text.size()), path, false);
    bool loaded = file && sceneManager->loadScene(file, nullptr, root);
    if (file) file->drop();
    forgetDecodedFiles();
    if (!loaded) std::printf("Level: cannot load %s; the game goes on in an empty world\n", path);
    if (loaded) capLevelScene(root ? root : sceneManager->getRootSceneNode());
    return loaded;
}

bool loadLevelFile(scene::ISceneManager* sceneManager, const char* path) {
    ContentFile file = readContentFile(path, MAX_LEVEL_BYTES);
    if (!file.problem.empty()) return refuse(path, file.problem);
    return loadLevelText(sceneManager, path, file.text);
}
