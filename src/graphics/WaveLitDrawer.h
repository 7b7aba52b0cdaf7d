#pragma once
// The wave-lit frame, drawn faster than the scene manager's drawAll draws it and to the same
// pixels. Nearly all of a wave-lit frame is spent shading pixels, once per pixel per wave, and
// most waves light nothing at a given pixel. So the level's wave-lit solid mesh nodes are drawn
// here, one plane piece at a time (PlanePieces) and screen tile by screen tile (TileGrid), each
// draw sent only the waves that can light that piece in that tile (WaveCulling), adjacent tiles
// with the same waves joined under one scissor (JoinedTiles), and shaded by the shader built for
// exactly that many waves (FixedCountMaterials). Everything else (the camera, other node types,
// the rim-lit held object) goes through drawAll as before; the pieces are drawn right after
// drawAll's solid pass, so that what is transparent blends over them, and their debug views
// after them (DebugOverlay).

#include "graphics/FixedCountMaterials.h"
#include "graphics/JoinedTiles.h"
#include "graphics/PieceRedraw.h"
#include "graphics/PlanePieces.h"

#include <irrlicht.h>

#include <map>
#include <memory>
#include <vector>

namespace Graphics {

class WaveLitDrawer {
public:
    // The shader files of the wave-lit set, and the id of its material on the solid base type:
    // the nodes drawn here are those whose every material has that id.
    WaveLitDrawer(irr::IrrlichtDevice* device, WaveManager& waves, const char* vertexFile,
                  const char* pixelFile, irr::s32 solidWaveMaterial);
    ~WaveLitDrawer();
    WaveLitDrawer(const WaveLitDrawer&) = delete;
    WaveLitDrawer& operator=(const WaveLitDrawer&) = delete;

    // Builds every shader the drawing can ask for and has the rasteriser compile it, so that no
    // frame waits for one; at level load.
    void prepare() { fixed.prepare(); }

    // In place of drawAll, between beginScene and endScene. `records` is the wave array closed
    // by its end marker, as the wave-lit shader would receive it.
    void draw(const std::vector<irr::f32>& records);

    // Draws of the last frame, for the benchmark and tests.
    int drawCalls() const { return draws; }

private:
    struct Piece;
    struct Frame;
    // Told by drawAll when its solid pass is done.
    class AfterSolidPass : public irr::scene::ILightManager {
    public:
        explicit AfterSolidPass(WaveLitDrawer& drawer) : drawer(drawer) {}
        void OnPreRender(irr::core::array<irr::scene::ISceneNode*>&) override {}
        void OnPostRender() override {}
        void OnRenderPassPreRender(irr::scene::E_SCENE_NODE_RENDER_PASS) override {}
        void OnRenderPassPostRender(irr::scene::E_SCENE_NODE_RENDER_PASS pass) override;
        void OnNodePreRender(irr::scene::ISceneNode*) override {}
        void OnNodePostRender(irr::scene::ISceneNode*) override {}

    private:
        WaveLitDrawer& drawer;
    };

    void collect(irr::scene::ISceneNode* node);
    PlanePieces* piecesOf(irr::scene::IMesh* mesh);
    void drawPieces();
    void showAndAnimateNodes();
    bool placeOnScreen(Piece& piece, const Frame& frame) const;
    void findCandidates(Piece& piece) const;
    void drawByTiles(const Piece& piece, const Frame& frame);
    TileWaves wavesInTile(const Piece& piece, const Frame& frame, int column, int row) const;
    void drawPiece(const Piece& piece, const std::vector<int>& chosen);

    irr::IrrlichtDevice* device;
    irr::video::IVideoDriver* driver;
    irr::scene::ISceneManager* scene;
    FixedCountMaterials fixed;
    irr::s32 solidWaveMaterial;
    std::map<irr::scene::IMesh*, std::unique_ptr<PlanePieces>> cut;
    std::vector<irr::scene::IMeshSceneNode*> nodes;   // this frame's, in scene order
    AfterSolidPass afterSolidPass;
    bool piecesDrawn = false;
    const irr::f32* records = nullptr;
    int recordCount = 0;
    std::vector<irr::f32> chosenRecords;
    PieceRedraw redraw;   // active once this piece was drawn through the renderer
    int draws = 0;
};

}  // namespace Graphics
