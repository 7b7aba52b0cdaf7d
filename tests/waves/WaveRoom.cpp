#include "WaveRoom.h"

using namespace irr;

namespace WaveRoom {

namespace {

void addBox(scene::ISceneManager* scene, const core::vector3df& size,
            const core::vector3df& centre, video::SColor colour) {
    scene::IMesh* mesh = scene->getGeometryCreator()->createCubeMesh(size);
    scene->getMeshManipulator()->setVertexColors(mesh, colour);
    scene->addMeshSceneNode(mesh, nullptr, -1, centre);
    mesh->drop();
}

}  // namespace

void build(scene::ISceneManager* scene) {
    scene::IMesh* floorMesh = scene->getGeometryCreator()->createPlaneMesh(
        core::dimension2df(40, 40), core::dimension2du(1, 1));
    scene->getMeshManipulator()->setVertexColors(floorMesh, FLOOR_COLOUR);
    scene->addMeshSceneNode(floorMesh);
    floorMesh->drop();

    addBox(scene, core::vector3df(40, 40, 1), core::vector3df(0, 20, 20.5f), WALL_COLOUR);
    addBox(scene, core::vector3df(1, 40, 40), core::vector3df(-20.5f, 20, 0), WALL_COLOUR);
    addBox(scene, core::vector3df(1, 40, 40), core::vector3df(20.5f, 20, 0), WALL_COLOUR);
    addBox(scene, core::vector3df(2, 2, 2), core::vector3df(4, 1, 4), CRATE_COLOUR);

    for (scene::ISceneNode* node : scene->getRootSceneNode()->getChildren())
        node->setMaterialFlag(video::EMF_LIGHTING, false);

    scene->addCameraSceneNode(nullptr, core::vector3df(0, 12, -20), core::vector3df(0, 0, 4));
}

core::position2di project(scene::ISceneManager* scene, const core::vector3df& point) {
    return scene->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(point);
}

}  // namespace WaveRoom
