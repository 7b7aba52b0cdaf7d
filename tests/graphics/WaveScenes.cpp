#include "WaveScenes.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

using namespace irr;

namespace WaveScenes {

bool loadShippedLevel(scene::ISceneManager* scene) {
    if (!scene->loadScene("Content/TestRoom3.irr")) return false;
    // The hall from its south part: from the start room little of it shows through the doorway.
    const core::vector3df eye(0, 4, -30);
    scene->addCameraSceneNode(nullptr, eye, eye + core::vector3df(0, 0, 100));
    return true;
}

core::aabbox3df meshBounds(scene::ISceneManager* scene) {
    core::aabbox3df box(0, 0, 0, 0, 0, 0);
    core::array<scene::ISceneNode*> nodes;
    scene->getSceneNodesFromType(scene::ESNT_MESH, nodes);
    for (u32 i = 0; i < nodes.size(); ++i) {
        nodes[i]->updateAbsolutePosition();
        box.addInternalBox(nodes[i]->getTransformedBoundingBox());
    }
    return box;
}

void buildHall(scene::ISceneManager* scene) {
    struct Slab {
        core::vector3df size, centre;
        video::SColor colour;
    };
    const video::SColor wall(255, 120, 130, 150), floor(255, 176, 168, 152);
    const Slab slabs[] = {{{30, 1, 30}, {0, -0.5f, 0}, floor}, {{30, 1, 30}, {0, 12.5f, 0}, wall},
                          {{30, 12, 1}, {0, 6, 15.5f}, wall},  {{30, 12, 1}, {0, 6, -15.5f}, wall},
                          {{1, 12, 30}, {15.5f, 6, 0}, wall},  {{1, 12, 30}, {-15.5f, 6, 0}, wall},
                          {{2, 12, 2}, {-5, 6, 4}, floor},     {{2, 12, 2}, {6, 6, -3}, floor}};
    for (const Slab& slab : slabs) {
        scene::IMesh* mesh = scene->getGeometryCreator()->createCubeMesh(slab.size);
        scene->getMeshManipulator()->setVertexColors(mesh, slab.colour);
        scene::ISceneNode* node = scene->addMeshSceneNode(mesh, nullptr, -1, slab.centre);
        node->setMaterialFlag(video::EMF_LIGHTING, false);
        mesh->drop();
    }
    scene->addCameraSceneNode(nullptr, core::vector3df(-13, 9, -13), core::vector3df(8, 3, 10));
}

namespace {

f32 between(f32 low, f32 high) {
    return low + (high - low) * static_cast<f32>(std::rand()) / RAND_MAX;
}

}  // namespace

std::vector<f32> spreadWaves(int count, const core::aabbox3df& area, unsigned seed) {
    std::srand(seed);
    std::vector<f32> records;
    for (int i = 0; i < count; ++i) {
        bool glow = i % 4 == 3;
        f32 record[9] = {between(area.MinEdge.X, area.MaxEdge.X), area.MinEdge.Y + 0.1f,
                         between(area.MinEdge.Z, area.MaxEdge.Z), between(0.3f, 1.0f),
                         between(0.3f, 1.0f), between(0.3f, 1.0f),
                         glow ? between(1.0f, 3.0f) : between(2.0f, 14.0f),
                         between(0.2f, 1.0f), glow ? -1.0f : between(1.0f, 8.0f)};
        records.insert(records.end(), record, record + 9);
    }
    records.insert(records.end(), 9, -1.0f);
    return records;
}

std::vector<f32> roomSizeRings(int count, const core::aabbox3df& area, unsigned seed) {
    std::srand(seed);
    const core::vector3df extent = area.getExtent();
    const f32 size = std::max(extent.X, std::max(extent.Y, extent.Z));
    std::vector<f32> records;
    for (int i = 0; i < count; ++i) {
        bool glow = i % 4 == 3;
        f32 record[9] = {between(area.MinEdge.X, area.MaxEdge.X),
                         between(area.MinEdge.Y, area.MaxEdge.Y),
                         between(area.MinEdge.Z, area.MaxEdge.Z), between(0.3f, 1.0f),
                         between(0.3f, 1.0f), between(0.3f, 1.0f),
                         glow ? between(2.0f, 6.0f) : between(0.5f, 1.0f) * size,
                         between(0.2f, 1.0f), glow ? -1.0f : between(2.0f, 8.0f)};
        records.insert(records.end(), record, record + 9);
    }
    records.insert(records.end(), 9, -1.0f);
    return records;
}

WaveLit::WaveLit(IrrlichtDevice* device) : callback(new Graphics::ShaderCallback(waves)) {
    video::IGPUProgrammingServices* gpu = device->getVideoDriver()->getGPUProgrammingServices();
    for (int i = 0; i < 24; ++i)
        table[i] = gpu->addHighLevelShaderMaterialFromFiles(
            "shader.vsh", "main", video::EVST_VS_1_1, "shader2.fsh", "main", video::EPST_PS_1_1,
            callback, static_cast<video::E_MATERIAL_TYPE>(i), 0);
    drawer.reset(new Graphics::WaveLitDrawer(device, waves, "shader.vsh", "shader2.fsh", table[0]));
}

WaveLit::~WaveLit() { callback->drop(); }

void useMaterials(scene::ISceneNode* node, const s32* table) {
    scene::ESCENE_NODE_TYPE type = node->getType();
    if (type == scene::ESNT_MESH || type == scene::ESNT_ANIMATED_MESH) {
        for (u32 m = 0; m < node->getMaterialCount(); ++m) {
            s32 base = node->getMaterial(m).MaterialType % 24;
            node->getMaterial(m).MaterialType =
                static_cast<video::E_MATERIAL_TYPE>(table ? table[base] : base);
        }
    }
    for (scene::ISceneNode* child : node->getChildren()) useMaterials(child, table);
}

std::vector<u8> readPixels(video::IVideoDriver* driver) {
    core::dimension2du size = driver->getScreenSize();
    std::vector<u8> pixels(size.Width * size.Height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, size.Width, size.Height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

Difference compare(const std::vector<u8>& a, const std::vector<u8>& b) {
    Difference d{0, 0};
    for (size_t p = 0; p + 2 < std::min(a.size(), b.size()); p += 3) {
        int largest = 0;
        for (int k = 0; k < 3; ++k) largest = std::max(largest, std::abs(a[p + k] - b[p + k]));
        d.pixels += largest > 0;
        d.largest = std::max(d.largest, largest);
    }
    return d;
}

}  // namespace WaveScenes
