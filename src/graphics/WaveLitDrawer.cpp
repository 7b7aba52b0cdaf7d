#include "graphics/WaveLitDrawer.h"

#include "graphics/DebugOverlay.h"
#include "graphics/ShellFormula.h"
#include "graphics/WaveCulling.h"

#include <GL/gl.h>

#include <algorithm>

using namespace irr;

namespace Graphics {

namespace {

core::vector3df centreOf(const f32* record) {
    return core::vector3df(record[0], record[1], record[2]);
}

}  // namespace

struct WaveLitDrawer::Piece {
    const PlanePiece* source;
    scene::IMeshSceneNode* node;
    std::vector<core::vector3df> corners;   // world space, three per triangle
    std::vector<int> candidates;            // records that light some part of the piece
    TileRange tiles;                        // where on screen it can show
};

// What every piece of the frame is seen through.
struct WaveLitDrawer::Frame {
    core::matrix4 viewProjection;
    core::vector3df eye;
    TileGrid grid;
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
    while (recordCount < available && recordCount < MOST_WAVES &&
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
    showAndAnimateNodes();
    const core::rect<s32> viewport = driver->getViewPort();
    const Frame frame{driver->getTransform(video::ETS_PROJECTION) *
                          driver->getTransform(video::ETS_VIEW),
                      scene->getActiveCamera()->getAbsolutePosition(),
                      TileGrid(viewport, driver->getCurrentRenderTargetSize().Height, recordCount)};
    glEnable(GL_SCISSOR_TEST);
    // In scene order, as drawAll would: coplanar surfaces keep which of them shows.
    for (scene::IMeshSceneNode* node : nodes) {
        for (const PlanePiece& source : cut[node->getMesh()]->pieces()) {
            Piece piece{&source, node, {}, {}, frame.grid.all()};
            if (!placeOnScreen(piece, frame)) continue;
            findCandidates(piece);
            if (piece.candidates.empty()) {
                frame.grid.scissor(frame.grid.all());
                drawPiece(piece, piece.candidates);
            } else {
                drawByTiles(piece, frame);
            }
            redraw.end();
        }
    }
    glDisable(GL_SCISSOR_TEST);
    for (scene::IMeshSceneNode* node : nodes) drawDebugOverlay(scene, node);
}

void WaveLitDrawer::showAndAnimateNodes() {
    // Hidden from drawAll, they missed its animation pass; its registration is over now.
    const u32 now = device->getTimer()->getTime();
    for (scene::IMeshSceneNode* node : nodes) {
        node->setVisible(true);
        node->OnAnimate(now);
    }
}

// The piece's corners in world space and the tiles it can show in; false if it faces away or
// lies off screen.
bool WaveLitDrawer::placeOnScreen(Piece& piece, const Frame& frame) const {
    const core::matrix4& world = piece.node->getAbsoluteTransformation();
    for (const core::vector3df& corner : piece.source->corners) {
        core::vector3df p;
        world.transformVect(p, corner);
        piece.corners.push_back(p);
    }
    if (piece.corners.empty()) return false;
    const video::SMaterial& material = piece.node->getMaterial(piece.source->material);
    if (piece.source->planar && (material.BackfaceCulling || material.FrontfaceCulling)) {
        core::plane3df plane(piece.corners[0], piece.corners[1], piece.corners[2]);
        f32 side = plane.Normal.dotProduct(frame.eye) + plane.D;
        if (material.BackfaceCulling && side < -1e-3f) return false;
        if (material.FrontfaceCulling && side > 1e-3f) return false;
    }
    int outside[5] = {0, 0, 0, 0, 0};   // corners beyond each side of the view, and behind
    f32 low[2] = {1e30f, 1e30f}, high[2] = {-1e30f, -1e30f};
    bool behindEye = false;
    for (const core::vector3df& p : piece.corners) {
        f32 v[4] = {p.X, p.Y, p.Z, 1.0f};
        frame.viewProjection.multiplyWith1x4Matrix(v);
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
    if (std::count(outside, outside + 5, static_cast<int>(piece.corners.size())) > 0) return false;
    // Seen from behind the eye, a corner projects anywhere: every tile then.
    if (!behindEye) piece.tiles = frame.grid.covering(low, high);
    return true;
}

void WaveLitDrawer::findCandidates(Piece& piece) const {
    const size_t count = piece.corners.size();
    for (int r = 0; r < recordCount; ++r) {
        const f32* record = records + 9 * r;
        for (size_t t = 0; t < count; t += 3) {
            if (lights(record, distanceRange(&piece.corners[t], 3, centreOf(record)))) {
                piece.candidates.push_back(r);
                break;
            }
        }
    }
}

void WaveLitDrawer::drawByTiles(const Piece& piece, const Frame& frame) {
    std::vector<TileWaves> tiles;
    for (int row = piece.tiles.firstRow; row <= piece.tiles.lastRow; ++row)
        for (int column = piece.tiles.firstColumn; column <= piece.tiles.lastColumn; ++column)
            tiles.push_back(wavesInTile(piece, frame, column, row));
    for (const TileBlock& block : joinTiles(piece.tiles, tiles, frame.grid.tilePixels())) {
        frame.grid.scissor(block.tiles);
        drawPiece(piece, block.waves);
    }
}

TileWaves WaveLitDrawer::wavesInTile(const Piece& piece, const Frame& frame, int column,
                                     int row) const {
    const ScreenRect area = frame.grid.area(column, row);
    TileWaves tile{false, {}};
    std::vector<bool> taken(piece.candidates.size(), false);
    core::vector3df polygon[8];
    for (size_t t = 0; t < piece.corners.size(); t += 3) {
        int n = clipToRect(frame.viewProjection, &piece.corners[t], area, polygon);
        if (n == 0) continue;
        tile.shows = true;
        for (size_t c = 0; c < piece.candidates.size(); ++c) {
            if (taken[c]) continue;
            const f32* record = records + 9 * piece.candidates[c];
            taken[c] = lights(record, distanceRange(polygon, n, centreOf(record)));
        }
    }
    for (size_t c = 0; c < piece.candidates.size(); ++c)
        if (taken[c]) tile.waves.push_back(piece.candidates[c]);
    return tile;
}

void WaveLitDrawer::drawPiece(const Piece& piece, const std::vector<int>& chosen) {
    chosenRecords.clear();
    for (int r : chosen)
        chosenRecords.insert(chosenRecords.end(), records + 9 * r, records + 9 * r + 9);
    const s32 id = fixed.sendRecords(chosenRecords);
    const ShaderProgram shader = fixed.program(id);
    ++draws;
    if (redraw.active() && shader.program) {
        redraw.draw(shader, chosenRecords);
        return;
    }
    // The renderer believes OpenGL is as it left it, and leaves it its own way: a direct redraw
    // ends before it draws, and begins afresh after.
    redraw.end();
    video::SMaterial material = piece.node->getMaterial(piece.source->material);
    // Without its fixed-count shader the wave-lit one draws the same pixels, only slower.
    material.MaterialType = static_cast<video::E_MATERIAL_TYPE>(id >= 0 ? id : solidWaveMaterial);
    const core::matrix4& world = piece.node->getAbsoluteTransformation();
    driver->setTransform(video::ETS_WORLD, world);
    driver->setMaterial(material);
    driver->drawMeshBuffer(piece.source->buffer);
    if (shader.program && PieceRedraw::suits(piece.source->buffer))
        redraw.begin(piece.source->buffer, shader, world);
}

}  // namespace Graphics
