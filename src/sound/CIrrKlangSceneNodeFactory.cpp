#include "sound/CIrrKlangSceneNodeFactory.h"

#include <cstring>

#include "sound/CIrrKlangSceneNode.h"

using namespace irr;

CIrrKlangSceneNodeFactory::CIrrKlangSceneNodeFactory(vsound::ISoundEngine* engine,
                                                     scene::ISceneManager* manager)
    : sceneManager(manager), engine(engine) {
    if (engine)
        engine->grab();
}

CIrrKlangSceneNodeFactory::~CIrrKlangSceneNodeFactory() {
    if (engine)
        engine->drop();
}

scene::ISceneNode* CIrrKlangSceneNodeFactory::addSceneNode(const c8* typeName,
                                                          scene::ISceneNode* parent) {
    bool known = typeName && (std::strcmp(typeName, CIrrKlangSceneNode::TYPE_NAME) == 0 ||
                              std::strcmp(typeName, "irrKlangSceneNode2") == 0);
    return addSceneNode(known ? CIrrKlangSceneNode::TYPE : scene::ESNT_UNKNOWN, parent);
}

scene::ISceneNode* CIrrKlangSceneNodeFactory::addSceneNode(scene::ESCENE_NODE_TYPE type,
                                                          scene::ISceneNode* parent) {
    if (!parent)
        parent = sceneManager->getRootSceneNode();
    if (type != CIrrKlangSceneNode::TYPE)
        return 0;
    CIrrKlangSceneNode* node = new CIrrKlangSceneNode(engine, parent, sceneManager, -1);
    node->drop();
    return node;
}

scene::ESCENE_NODE_TYPE CIrrKlangSceneNodeFactory::getCreateableSceneNodeType(u32 idx) const {
    return idx == 0 ? CIrrKlangSceneNode::TYPE : scene::ESNT_UNKNOWN;
}

const c8* CIrrKlangSceneNodeFactory::getCreateableSceneNodeTypeName(u32 idx) const {
    return idx == 0 ? CIrrKlangSceneNode::TYPE_NAME : 0;
}

const c8* CIrrKlangSceneNodeFactory::getCreateableSceneNodeTypeName(
    scene::ESCENE_NODE_TYPE type) const {
    return type == CIrrKlangSceneNode::TYPE ? CIrrKlangSceneNode::TYPE_NAME : 0;
}
