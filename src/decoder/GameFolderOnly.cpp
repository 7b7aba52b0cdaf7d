#include "decoder/GameFolderOnly.h"

#include "level/ContentPath.h"

using namespace irr;

namespace {

char nothing[1];

}  // namespace

CGameFolderOnly::CGameFolderOnly(io::IFileSystem* fileSystem)
    : fileSystem(fileSystem), files(fileSystem->createEmptyFileList("", false, false)) {}

CGameFolderOnly::~CGameFolderOnly() { files->drop(); }

io::IReadFile* CGameFolderOnly::createAndOpenFile(const io::path& filename) {
    if (insideGameFolder(filename.c_str())) return nullptr;
    return fileSystem->createMemoryReadFile(nothing, 0, filename, false);
}
