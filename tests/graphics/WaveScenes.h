#pragma once
// Scenes and waves for comparing the wave-lit drawing by screen tiles with the shader's own loop
// (tests and benchmark): the shipped level seen from its player start, wave records spread over
// a floor, the loop shader set fed those records, and switching every mesh node between sets.

#include "graphics/ShaderCallback.h"
#include "graphics/WaveLitDrawer.h"
#include "waves/WaveManager.h"

#include <irrlicht.h>

#include <memory>
#include <vector>

namespace WaveScenes {

// Loads the shipped level (run from game/) and looks along +z from the hall's south part.
bool loadShippedLevel(irr::scene::ISceneManager* scene);

// Floor area of every mesh node of the scene, in world space.
irr::core::aabbox3df meshBounds(irr::scene::ISceneManager* scene);

// A closed hall, 30 x 12 x 30 with a ceiling and two pillars, seen from inside one corner.
void buildHall(irr::scene::ISceneManager* scene);

// `count` records spread over the floor of `area`, closed by the end marker: mostly pulses with
// fronts at assorted radii and strengths, every fourth a glow.
std::vector<irr::f32> spreadWaves(int count, const irr::core::aabbox3df& area, unsigned seed);

// `count` records as large as the room `area`: centres anywhere inside it, fronts at half to
// all of its size with the level's wakes (2 to 8), so that every shell crosses floor, walls and
// any ceiling; every fourth a glow as large as the level's.
std::vector<irr::f32> roomSizeRings(int count, const irr::core::aabbox3df& area, unsigned seed);

// The game's wave-lit shader set (its loop fed the records pointAt names) and the tiled drawing.
struct WaveLit {
    explicit WaveLit(irr::IrrlichtDevice* device);
    ~WaveLit();
    bool built() const { return table[0] >= 0; }
    void pointAt(const std::vector<irr::f32>& records) { callback->sendRecords(&records); }
    WaveManager waves;   // read by neither: both are handed their records
    Graphics::ShaderCallback* callback;
    irr::s32 table[24];
    std::unique_ptr<Graphics::WaveLitDrawer> drawer;
};

// Puts every mesh node on its built-in materials (table null) or on table[base type]; the set
// must be the first one made on the device (ids 24 .. 47).
void useMaterials(irr::scene::ISceneNode* node, const irr::s32* table);

// The back buffer as RGB bytes (read before endScene: the front buffer reads black here).
std::vector<irr::u8> readPixels(irr::video::IVideoDriver* driver);

// Pixels of two pictures that differ, and the largest difference of one channel.
struct Difference {
    int pixels;
    int largest;
};
Difference compare(const std::vector<irr::u8>& a, const std::vector<irr::u8>& b);

}  // namespace WaveScenes
