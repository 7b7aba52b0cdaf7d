#include "graphics/DebugOverlay.h"

using namespace irr;

namespace Graphics {

void drawDebugOverlay(scene::ISceneManager* scene, scene::IMeshSceneNode* node) {
    const u32 views = node->isDebugDataVisible();
    scene::IMesh* mesh = node->getMesh();
    if (!views || !mesh) return;
    video::IVideoDriver* driver = scene->getVideoDriver();
    driver->setTransform(video::ETS_WORLD, node->getAbsoluteTransformation());
    video::SMaterial plain;
    plain.Lighting = false;
    plain.AntiAliasing = 0;
    driver->setMaterial(plain);
    const u32 buffers = mesh->getMeshBufferCount();
    if (views & scene::EDS_BBOX)
        driver->draw3DBox(node->getBoundingBox(), video::SColor(255, 255, 255, 255));
    if (views & scene::EDS_BBOX_BUFFERS)
        for (u32 b = 0; b < buffers; ++b)
            driver->draw3DBox(mesh->getMeshBuffer(b)->getBoundingBox(),
                              video::SColor(255, 190, 128, 128));
    if (views & scene::EDS_NORMALS) {
        io::IAttributes* settings = scene->getParameters();
        const f32 length = settings->getAttributeAsFloat(scene::DEBUG_NORMAL_LENGTH);
        const video::SColor colour = settings->getAttributeAsColor(scene::DEBUG_NORMAL_COLOR);
        for (u32 b = 0; b < buffers; ++b)
            driver->drawMeshBufferNormals(mesh->getMeshBuffer(b), length, colour);
    }
    if (views & scene::EDS_MESH_WIRE_OVERLAY) {
        plain.Wireframe = true;
        driver->setMaterial(plain);
        for (u32 b = 0; b < buffers; ++b) driver->drawMeshBuffer(mesh->getMeshBuffer(b));
    }
}

}  // namespace Graphics
