// Cutting meshes into plane pieces for the tiled wave-lit drawing where the level's pictures do
// not reach: a curved surface stays whole, and what cannot be cut is left to drawAll.
#include "graphics/PlanePieces.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace irr;

namespace {

struct Pieces : ::testing::Test {
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    scene::SMesh* mesh = new scene::SMesh();

    ~Pieces() override {
        mesh->drop();
        device->drop();
    }

    scene::SMeshBuffer* addBuffer() {
        scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
        mesh->addMeshBuffer(buffer);
        buffer->drop();
        return buffer;
    }

    static void addTriangle(scene::SMeshBuffer* b, core::vector3df p0, core::vector3df p1,
                            core::vector3df p2) {
        for (const core::vector3df& p : {p0, p1, p2}) {
            b->Indices.push_back(static_cast<u16>(b->Vertices.size()));
            b->Vertices.push_back(video::S3DVertex(p, core::vector3df(0, 1, 0),
                                                   video::SColor(255, 1, 2, 3),
                                                   core::vector2df(p.X, p.Z)));
        }
    }
};

}  // namespace

TEST_F(Pieces, ACurvedSurfaceStaysWholeAndEachBufferKeepsItsMaterialIndex) {
    addBuffer();
    scene::SMeshBuffer* fan = addBuffer();
    const u32 slices = Graphics::PlanePieces::MAX_PIECES_PER_BUFFER + 6;
    for (u32 i = 0; i < slices; ++i) {
        f32 a0 = 2 * core::PI * i / slices, a1 = 2 * core::PI * (i + 1) / slices;
        addTriangle(fan, {0, 1, 0}, {std::cos(a0), 0, std::sin(a0)}, {std::cos(a1), 0, std::sin(a1)});
    }
    Graphics::PlanePieces pieces(device->getVideoDriver(), mesh);
    ASSERT_TRUE(pieces.complete());
    ASSERT_EQ(pieces.pieces().size(), 1u);   // the empty buffer gives none
    EXPECT_FALSE(pieces.pieces()[0].planar);
    EXPECT_EQ(pieces.pieces()[0].material, 1u);
    EXPECT_EQ(pieces.pieces()[0].buffer->getIndexCount(), 3 * slices);
}

TEST_F(Pieces, IndicesPastTheVerticesLeaveTheMeshToTheOrdinaryDrawing) {
    scene::SMeshBuffer* b = addBuffer();
    addTriangle(b, {0, 0, 0}, {0, 0, 1}, {1, 0, 0});
    b->Indices.push_back(0);
    b->Indices.push_back(1);
    b->Indices.push_back(40);
    Graphics::PlanePieces pieces(device->getVideoDriver(), mesh);
    EXPECT_FALSE(pieces.complete());
}
