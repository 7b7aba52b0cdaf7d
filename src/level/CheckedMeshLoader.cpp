#include "level/CheckedMeshLoader.h"

#include "level/ConsoleText.h"
#include "level/ContentPath.h"
#include "level/MeshFileCheck.h"
#include "level/SandboxedContent.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace irr;

namespace {

scene::IAnimatedMesh* emptyMesh() {
    scene::SMesh* mesh = new scene::SMesh();
    scene::SAnimatedMesh* animated = new scene::SAnimatedMesh(mesh);
    mesh->drop();
    return animated;
}

// The file's text, or why there is none.
MeshText readWhole(io::IReadFile* file, std::string& text) {
    const long size = file->getSize();
    if (size < 0 || std::uintmax_t(size) > MAX_MESH_BYTES)
        return MeshText{"is larger than the " + std::to_string(MAX_MESH_BYTES >> 20) + " MiB a mesh file may have", {}, {}};
    text.resize(std::size_t(size));
    file->seek(0);
    text.resize(std::size_t(std::max(file->read(text.data(), u32(size)), 0)));
    return checkMeshText(text);
}

}  // namespace

bool CCheckedMeshLoader::isALoadableFileExtension(const io::path& name) const {
    return !meshDecodedInHelper(name.c_str());
}

scene::IMeshLoader* CCheckedMeshLoader::ownReader(const io::path& name) const {
    u32 at = sceneManager->getMeshLoaderCount();
    while (at > 0 && sceneManager->getMeshLoader(at - 1) != this) --at;
    while (at-- > 1)
        if (scene::IMeshLoader* reader = sceneManager->getMeshLoader(at - 1); reader->isALoadableFileExtension(name))
            return reader;
    return nullptr;
}

// Never null: Irrlicht would then hand the unchecked file to its own reader.
scene::IAnimatedMesh* CCheckedMeshLoader::createMesh(io::IReadFile* file) {
    const std::string name = oneLine(file->getFileName().c_str(), 200);
    std::string text;
    MeshText check = readWhole(file, text);
    scene::IMeshLoader* reader = ownReader(file->getFileName());
    if (check.problem.empty() && !reader) check.problem = "has no reader";
    if (!check.problem.empty()) {
        std::printf("Level: mesh %s %s; it is left empty\n", name.c_str(), check.problem.c_str());
        return emptyMesh();
    }
    for (const std::string& texture : check.outsideTextures)
        reportTextureLeftOut(file->getFileName().c_str(), texture, gameFolderProblem(texture));
    const std::string checked = withoutOutsideTextures(text, check);
    io::IReadFile* copy = sceneManager->getFileSystem()->createMemoryReadFile(
        const_cast<char*>(checked.data()), s32(checked.size()), file->getFileName(), false);
    scene::IAnimatedMesh* mesh = reader->createMesh(copy);
    copy->drop();
    return mesh ? mesh : emptyMesh();
}
