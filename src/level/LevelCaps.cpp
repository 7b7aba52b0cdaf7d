#include "level/LevelCaps.h"

#include "level/ConsoleText.h"
#include "level/DrawingDepth.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace irr;

namespace {

// A mesh named 1... is static geometry and 2... a trigger volume; any other mesh moves.
bool isLooseObject(scene::ISceneNode* node) {
    if (node->getType() == scene::ESNT_ANIMATED_MESH) return true;
    const char first = node->getName()[0];
    return node->getType() == scene::ESNT_MESH && first != '1' && first != '2';
}

// Spheres and cubes are mesh nodes too, with the mesh Irrlicht made for them.
scene::IMesh* meshOf(scene::ISceneNode* node) {
    switch (node->getType()) {
    case scene::ESNT_MESH:
    case scene::ESNT_SPHERE:
    case scene::ESNT_CUBE:
        return static_cast<scene::IMeshSceneNode*>(node)->getMesh();
    case scene::ESNT_ANIMATED_MESH:
        return static_cast<scene::IAnimatedMeshSceneNode*>(node)->getMesh();
    default:
        return nullptr;
    }
}

// A sky dome keeps its mesh to itself; its attributes say how finely it is cut.
unsigned long domeTriangles(scene::ISceneNode* node) {
    io::IAttributes* attributes = node->getSceneManager()->getFileSystem()->createEmptyAttributes();
    node->serializeAttributes(attributes);
    const long across = attributes->getAttributeAsInt("HorizontalResolution");
    const long down = attributes->getAttributeAsInt("VerticalResolution");
    attributes->drop();
    return across > 0 && down > 0 ? 2ul * (unsigned long)across * (unsigned long)down : 0;
}

unsigned long trianglesOf(scene::ISceneNode* node) {
    if (node->getType() == scene::ESNT_SKY_DOME) return domeTriangles(node);
    scene::IMesh* mesh = meshOf(node);
    unsigned long triangles = 0;
    for (u32 i = 0; mesh && i < mesh->getMeshBufferCount(); ++i)
        triangles += mesh->getMeshBuffer(i)->getIndexCount() / 3;
    return triangles;
}

struct Tally {
    unsigned long kept = 0;
    unsigned long leftOut = 0;
    std::string first;  // the name of the first node left out
};

void report(const Tally& tally, const char* what, unsigned cap) {
    if (tally.leftOut)
        std::printf("Level: the level has more %s than the %u it may have; the nodes past them (%lu, from node "
                    "\"%s\" on) are left out\n",
                    what, cap, tally.leftOut, tally.first.c_str());
}

void countLeftOut(Tally& tally, scene::ISceneNode* node) {
    if (tally.leftOut++ == 0) tally.first = shownName(node->getName());
}

// True when the node still fits the cap; else counted as left out.
bool fits(Tally& tally, scene::ISceneNode* node, unsigned long amount, unsigned cap) {
    if (tally.kept + amount <= cap) return true;
    countLeftOut(tally, node);
    return false;
}

// True when the node's mesh is shallow enough to draw; else counted as left out.
bool drawable(Tally& tally, scene::ISceneNode* node) {
    scene::IMesh* mesh = meshOf(node);
    if (!mesh || drawingDepth(*mesh) <= kDeepestDrawing) return true;
    countLeftOut(tally, node);
    return false;
}

void reportDeep(const Tally& tally) {
    if (!tally.leftOut) return;
    const std::string more = tally.leftOut > 1 ? " (and " + std::to_string(tally.leftOut - 1) + " more)" : "";
    std::printf("Level: node \"%s\"%s piles its triangles more than %.0f deep, too costly to draw; it is left out\n",
                tally.first.c_str(), more.c_str(), kDeepestDrawing);
}

// Last child first, so that the first is taken next: file order.
void pushChildren(std::vector<scene::ISceneNode*>& pending, scene::ISceneNode* node) {
    const core::list<scene::ISceneNode*>& children = node->getChildren();
    for (auto child = children.getLast(); child != children.end(); --child) pending.push_back(*child);
}

}  // namespace

void capLevelScene(scene::ISceneNode* root) {
    Tally nodes, objects, triangles, deep;
    std::vector<scene::ISceneNode*> leftOut;
    std::vector<scene::ISceneNode*> pending;
    pushChildren(pending, root);
    while (!pending.empty()) {
        scene::ISceneNode* node = pending.back();
        pending.pop_back();
        const unsigned long loose = isLooseObject(node) ? 1 : 0;
        const unsigned long nodeTriangles = trianglesOf(node);
        if (!fits(nodes, node, 1, kMostNodes) || !fits(objects, node, loose, kMostLooseObjects) ||
            !fits(triangles, node, nodeTriangles, kMostLevelTriangles) || !drawable(deep, node)) {
            leftOut.push_back(node);
            continue;
        }
        nodes.kept += 1;
        objects.kept += loose;
        triangles.kept += nodeTriangles;
        pushChildren(pending, node);
    }
    for (scene::ISceneNode* node : leftOut) node->remove();
    report(nodes, "nodes", kMostNodes);
    report(objects, "loose objects", kMostLooseObjects);
    report(triangles, "triangles", kMostLevelTriangles);
    reportDeep(deep);
}
