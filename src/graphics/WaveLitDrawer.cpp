#include "graphics/WaveLitDrawer.h"

#include "graphics/WaveCulling.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

using namespace irr;

namespace Graphics {

namespace {

// The wave-lit shader reads no more records than this (shader2.fsh); later ones light nothing.
const int MAX_RECORDS = 64;
// A scissor change costs about 20 microseconds and a scissored draw 5 to 12 on the software
// rasteriser, so tiles pay only where waves are many.
const int FEW_WAVES = 8;
// Clipped to a tile widened by a pixel, so no pixel that the rasteriser puts in it is missed.
const f32 TILE_MARGIN_PIXELS = 1.0f;

bool isEndMarker(const f32* record) { return record[7] == -1.0f && record[6] == -1.0f; }

}  // namespace

struct WaveLitDrawer::Piece {
    const PlanePiece* source;
    scene::IMeshSceneNode* node;
    std::vector<core::vector3df> corners;   // world space, three per triangle
    std::vector<int> candidates;            // records that light some part of the piece
    int firstColumn, lastColumn, firstRow, lastRow;
};

WaveLitDrawer::WaveLitDrawer(IrrlichtDevice* device, WaveManager& waves, const char* vertexFile,
                             const char* pixelFile, s32 solidWaveMaterial)
    : device(device), driver(device->getVideoDriver()), scene(device->getSceneManager()),
      fixed(driver, waves, vertexFile, pixelFile), solidWaveMaterial(solidWaveMaterial),
      afterSolidPass(*this) {}

WaveLitDrawer::~WaveLitDrawer() {
    for (auto& entry : cut) entry.first->drop();
}

PlanePieces* WaveLitDrawer::piecesOf(scene::IMesh* mesh) {
    auto found = cut.find(mesh);
    if (found != cut.end()) return found->second.get();
    mesh->grab();   // the key must not be freed and reused while it is cached
    return (cut[mesh] = std::unique_ptr<PlanePieces>(new PlanePieces(driver, mesh))).get();
}

void WaveLitDrawer::collect(scene::ISceneNode* node) {
    if (!node->isVisible()) return;
    bool mine = false;
    // A childless node only: hiding a node from drawAll hides its children too.
    if (node->getType() == scene::ESNT_MESH && node->getChildren().empty()) {
        scene::IMeshSceneNode* meshNode = static_cast<scene::IMeshSceneNode*>(node);
        scene::IMesh* mesh = meshNode->getMesh();
        mine = mesh && !meshNode->isReadOnlyMaterials() &&
               node->getMaterialCount() == mesh->getMeshBufferCount();
        for (u32 m = 0; mine && m < node->getMaterialCount(); ++m)
            mine = node->getMaterial(m).MaterialType == solidWaveMaterial;
        if (mine) mine = piecesOf(mesh)->complete();
        if (mine) nodes.push_back(meshNode);
    }
    if (!mine)
        for (scene::ISceneNode* child : node->getChildren()) collect(child);
}

void WaveLitDrawer::drawPiece(const Piece& piece, const std::vector<int>& chosen) {
    chosenRecords.clear();
    for (int r : chosen) chosenRecords.insert(chosenRecords.end(), records + 9 * r, records + 9 * r + 9);
    chosenRecords.insert(chosenRecords.end(), 9, -1.0f);
    fixed.callback().sendRecords(&chosenRecords);
    s32 id = fixed.material(static_cast<int>(chosen.size()));
    video::SMaterial material = piece.node->getMaterial(piece.source->material);
    // Without its fixed-count shader the wave-lit one draws the same pixels, only slower.
    material.MaterialType = static_cast<video::E_MATERIAL_TYPE>(id >= 0 ? id : solidWaveMaterial);
    driver->setTransform(video::ETS_WORLD, piece.node->getAbsoluteTransformation());
    driver->setMaterial(material);
    driver->drawMeshBuffer(piece.source->buffer);
    ++draws;
}

void WaveLitDrawer::AfterSolidPass::OnRenderPassPostRender(scene::E_SCENE_NODE_RENDER_PASS pass) {
    if (pass == scene::ESNRP_SOLID) drawer.drawPieces();
}

void WaveLitDrawer::draw(const std::vector<f32>& recordArray) {
    draws = 0;
    nodes.clear();
    if (scene->getActiveCamera() && fixed.usable()) collect(scene->getRootSceneNode());
    if (nodes.empty()) {
        scene->drawAll();
        return;
    }
    records = recordArray.data();
    recordCount = 0;
    const int available = static_cast<int>(recordArray.size() / 9);
    while (recordCount < available && recordCount < MAX_RECORDS &&
           !isEndMarker(records + 9 * recordCount))
        ++recordCount;

    for (scene::IMeshSceneNode* node : nodes) node->setVisible(false);
    piecesDrawn = false;
    scene->setLightManager(&afterSolidPass);
    scene->drawAll();
    scene->setLightManager(nullptr);
    if (!piecesDrawn) drawPieces();
}

void WaveLitDrawer::drawPieces() {
    piecesDrawn = true;
    // Hidden from drawAll, they missed its animation pass; its registration is over now.
    const u32 now = device->getTimer()->getTime();
    for (scene::IMeshSceneNode* node : nodes) {
        node->setVisible(true);
        node->OnAnimate(now);
    }
    const int live = recordCount;
    scene::ICameraSceneNode* camera = scene->getActiveCamera();
    const core::matrix4 viewProjection =
        driver->getTransform(video::ETS_PROJECTION) * driver->getTransform(video::ETS_VIEW);
    const core::vector3df eye = camera->getAbsolutePosition();
    const core::rect<s32> viewport = driver->getViewPort();
    const s32 targetHeight = static_cast<s32>(driver->getCurrentRenderTargetSize().Height);
    const int columns = live <= FEW_WAVES ? 8 : 16;
    const int rows = live <= FEW_WAVES ? 6 : 12;
    const f32 width = static_cast<f32>(viewport.getWidth());
    const f32 height = static_cast<f32>(viewport.getHeight());

    std::vector<Piece> tiled;
    const std::vector<int> none;
    for (scene::IMeshSceneNode* node : nodes) {
        const core::matrix4& world = node->getAbsoluteTransformation();
        for (const PlanePiece& source : cut[node->getMesh()]->pieces()) {
            Piece piece{&source, node, {}, {}, 0, columns - 1, 0, rows - 1};
            for (const core::vector3df& corner : source.corners) {
                core::vector3df p;
                world.transformVect(p, corner);
                piece.corners.push_back(p);
            }
            if (piece.corners.empty()) continue;
            const video::SMaterial& material = node->getMaterial(source.material);
            if (source.planar && (material.BackfaceCulling || material.FrontfaceCulling)) {
                core::plane3df plane(piece.corners[0], piece.corners[1], piece.corners[2]);
                f32 side = plane.Normal.dotProduct(eye) + plane.D;
                if (material.BackfaceCulling && side < -1e-3f) continue;
                if (material.FrontfaceCulling && side > 1e-3f) continue;
            }
            // Off screen on one side altogether, or where on screen.
            int outside[5] = {0, 0, 0, 0, 0};
            f32 low[2] = {1e30f, 1e30f}, high[2] = {-1e30f, -1e30f};
            bool behindEye = false;
            for (const core::vector3df& p : piece.corners) {
                f32 v[4] = {p.X, p.Y, p.Z, 1.0f};
                viewProjection.multiplyWith1x4Matrix(v);
                outside[0] += v[0] < -v[3];
                outside[1] += v[0] > v[3];
                outside[2] += v[1] < -v[3];
                outside[3] += v[1] > v[3];
                outside[4] += v[3] <= 0;
                if (v[3] <= 1e-6f) {
                    behindEye = true;
                    continue;
                }
                for (int k = 0; k < 2; ++k) {
                    low[k] = std::min(low[k], v[k] / v[3]);
                    high[k] = std::max(high[k], v[k] / v[3]);
                }
            }
            const int count = static_cast<int>(piece.corners.size());
            if (std::count(outside, outside + 5, count) > 0) continue;

            for (int r = 0; r < live; ++r) {
                for (int t = 0; t < count; t += 3) {
                    DistanceRange range =
                        distanceRange(&piece.corners[t], 3, core::vector3df(records[9 * r],
                                                                            records[9 * r + 1],
                                                                            records[9 * r + 2]));
                    if (lights(records + 9 * r, range)) {
                        piece.candidates.push_back(r);
                        break;
                    }
                }
            }
            if (piece.candidates.empty()) {
                drawPiece(piece, none);
                continue;
            }
            if (!behindEye) {
                const f32 marginX = 2.0f * TILE_MARGIN_PIXELS / width;
                const f32 marginY = 2.0f * TILE_MARGIN_PIXELS / height;
                auto cell = [](f32 ndc, int cells) {
                    return core::clamp(static_cast<int>(std::floor((ndc + 1.0f) * 0.5f * cells)),
                                       0, cells - 1);
                };
                piece.firstColumn = cell(low[0] - marginX, columns);
                piece.lastColumn = cell(high[0] + marginX, columns);
                piece.firstRow = cell(low[1] - marginY, rows);
                piece.lastRow = cell(high[1] + marginY, rows);
            }
            tiled.push_back(std::move(piece));
        }
    }
    if (tiled.empty()) return;

    std::vector<int> chosen;
    core::vector3df polygons[8];
    glEnable(GL_SCISSOR_TEST);
    for (int row = 0; row < rows; ++row) {
        const s32 y0 = static_cast<s32>(row * height / rows);
        const s32 y1 = static_cast<s32>((row + 1) * height / rows);
        for (int column = 0; column < columns; ++column) {
            const s32 x0 = static_cast<s32>(column * width / columns);
            const s32 x1 = static_cast<s32>((column + 1) * width / columns);
            const ScreenRect rect{2.0f * (x0 - TILE_MARGIN_PIXELS) / width - 1.0f,
                                  2.0f * (y0 - TILE_MARGIN_PIXELS) / height - 1.0f,
                                  2.0f * (x1 + TILE_MARGIN_PIXELS) / width - 1.0f,
                                  2.0f * (y1 + TILE_MARGIN_PIXELS) / height - 1.0f};
            bool scissorSet = false;
            for (const Piece& piece : tiled) {
                if (column < piece.firstColumn || column > piece.lastColumn ||
                    row < piece.firstRow || row > piece.lastRow)
                    continue;
                chosen.clear();
                bool shows = false;
                std::vector<bool> taken(piece.candidates.size(), false);
                for (size_t t = 0; t < piece.corners.size(); t += 3) {
                    int n = clipToRect(viewProjection, &piece.corners[t], rect, polygons);
                    if (n == 0) continue;
                    shows = true;
                    for (size_t c = 0; c < piece.candidates.size(); ++c) {
                        if (taken[c]) continue;
                        const f32* record = records + 9 * piece.candidates[c];
                        DistanceRange range = distanceRange(
                            polygons, n, core::vector3df(record[0], record[1], record[2]));
                        taken[c] = lights(record, range);
                    }
                }
                if (!shows) continue;
                for (size_t c = 0; c < piece.candidates.size(); ++c)
                    if (taken[c]) chosen.push_back(piece.candidates[c]);
                if (!scissorSet) {
                    glScissor(viewport.UpperLeftCorner.X + x0,
                              targetHeight - viewport.LowerRightCorner.Y + y0, x1 - x0, y1 - y0);
                    scissorSet = true;
                }
                drawPiece(piece, chosen);
            }
        }
    }
    glDisable(GL_SCISSOR_TEST);
}

}  // namespace Graphics
