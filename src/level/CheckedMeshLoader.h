#pragma once
// The .irrmesh meshes a level names are read in the game by Irrlicht's own reader, so that
// reader gets only text that passed MeshFileCheck: the file is read once, checked, and the
// checked text is what Irrlicht parses. A texture the mesh names outside the game folder is cut
// from the text first (one line): the mesh is drawn without it and the file is never opened. A
// mesh that fails the check is left empty, with one line.

#include <irrlicht.h>

class CCheckedMeshLoader : public irr::scene::IMeshLoader {
public:
    explicit CCheckedMeshLoader(irr::scene::ISceneManager* sceneManager) : sceneManager(sceneManager) {}
    bool isALoadableFileExtension(const irr::io::path& name) const override;
    irr::scene::IAnimatedMesh* createMesh(irr::io::IReadFile* file) override;

private:
    // The reader Irrlicht would have asked had this one not been put in front of it.
    irr::scene::IMeshLoader* ownReader(const irr::io::path& name) const;

    irr::scene::ISceneManager* sceneManager;
};
