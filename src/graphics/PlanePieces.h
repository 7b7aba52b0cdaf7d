#pragma once
// A mesh cut into pieces that each lie in one plane, for the wave-lit drawing by screen tiles: a
// wave that lights one wall of a room then costs nothing on the others, and a piece that faces
// away is not drawn at all. Each piece keeps its triangles in their order and its vertices as
// they were, so it draws the very pixels the whole buffer drew there.

#include <irrlicht.h>

#include <vector>

namespace Graphics {

struct PlanePiece {
    irr::scene::IMeshBuffer* buffer;   // the piece's own vertices and indices
    irr::u32 material;                 // index of the mesh buffer (and node material) it came from
    bool planar;                       // false for a buffer left whole; it is never skipped as facing away
    irr::core::plane3df plane;         // object space; the front side is where it is seen from
    std::vector<irr::core::vector3df> corners;   // object space, three per triangle
};

class PlanePieces {
public:
    // A buffer that would fall into more than this many planes (a curved surface) stays whole.
    static const irr::u32 MAX_PIECES_PER_BUFFER = 64;

    PlanePieces(irr::video::IVideoDriver* driver, const irr::scene::IMesh* mesh);
    ~PlanePieces();
    PlanePieces(const PlanePieces&) = delete;
    PlanePieces& operator=(const PlanePieces&) = delete;

    const std::vector<PlanePiece>& pieces() const { return list; }
    // False when some buffer could not be cut (too many vertices for a piece, or a vertex type
    // this drawing does not know); the node is then drawn the ordinary way.
    bool complete() const { return whole; }

private:
    void cut(const irr::scene::IMeshBuffer* source, irr::u32 index);

    irr::video::IVideoDriver* driver;
    std::vector<PlanePiece> list;
    bool whole;
};

}  // namespace Graphics
