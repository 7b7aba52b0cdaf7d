#pragma once
// Teaches the scene manager the sound emitter node, so that emitters in a level file become
// CIrrKlangSceneNode objects sharing one sound engine. Known by the type name
// "irrKlangSceneNode"; "irrKlangSceneNode2" is accepted when creating by name.

#include <irrlicht.h>

#include "sound3d/vsound.h"

class CIrrKlangSceneNodeFactory : public irr::scene::ISceneNodeFactory {
public:
    // engine may be null (no audio device); one reference is held otherwise.
    CIrrKlangSceneNodeFactory(vsound::ISoundEngine* engine, irr::scene::ISceneManager* manager);
    ~CIrrKlangSceneNodeFactory() override;

    // Nodes are children of parent (the scene's root when null) and owned by it alone.
    irr::scene::ISceneNode* addSceneNode(irr::scene::ESCENE_NODE_TYPE type,
                                         irr::scene::ISceneNode* parent = 0) override;
    irr::scene::ISceneNode* addSceneNode(const irr::c8* typeName,
                                         irr::scene::ISceneNode* parent = 0) override;
    irr::u32 getCreatableSceneNodeTypeCount() const override { return 1; }
    irr::scene::ESCENE_NODE_TYPE getCreateableSceneNodeType(irr::u32 idx) const override;
    const irr::c8* getCreateableSceneNodeTypeName(irr::u32 idx) const override;
    const irr::c8* getCreateableSceneNodeTypeName(
        irr::scene::ESCENE_NODE_TYPE type) const override;

    irr::scene::ISceneManager* sceneManager;  // not held
    vsound::ISoundEngine* engine;
};
