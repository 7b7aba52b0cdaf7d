#pragma once
// Irrlicht's mesh readers open the files a mesh names themselves: an .obj its .mtl, many their
// textures. Put in front of the disk, this archive answers for every such file outside the game
// folder with an empty file of that name, so the helper never opens one; the name still comes
// back to the game, which refuses it with a line. Files inside are read from disk as before.

#include <irrlicht.h>

class CGameFolderOnly : public irr::io::IFileArchive {
public:
    explicit CGameFolderOnly(irr::io::IFileSystem* fileSystem);
    ~CGameFolderOnly() override;

    irr::io::IReadFile* createAndOpenFile(const irr::io::path& filename) override;
    irr::io::IReadFile* createAndOpenFile(irr::u32) override { return nullptr; }
    const irr::io::IFileList* getFileList() const override { return files; }

private:
    irr::io::IFileSystem* fileSystem;
    irr::io::IFileList* files;  // none: the archive holds no file of its own
};
