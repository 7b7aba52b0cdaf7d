#include "level/LevelCaps.h"

#include <cstdio>
#include <vector>

using namespace irr;

namespace {

// A mesh named 1... is static geometry and 2... a trigger volume; any other mesh moves.
bool isLooseObject(scene::ISceneNode* node) {
    if (node->getType() == scene::ESNT_ANIMATED_MESH) return true;
    const char first = node->getName()[0];
    return node->getType() == scene::ESNT_MESH && first != '1' && first != '2';
}

scene::IMesh* meshOf(scene::ISceneNode* node) {
    if (node->getType() == scene::ESNT_MESH) return static_cast<scene::IMeshSceneNode*>(node)->getMesh();
    if (node->getType() == scene::ESNT_ANIMATED_MESH) return static_cast<scene::IAnimatedMeshSceneNode*>(node)->getMesh();
    return nullptr;
}

unsigned long trianglesOf(scene::ISceneNode* node) {
    scene::IMesh* mesh = meshOf(node);
    unsigned long triangles = 0;
    for (u32 i = 0; mesh && i < mesh->getMeshBufferCount(); ++i)
        triangles += mesh->getMeshBuffer(i)->getIndexCount() / 3;
    return triangles;
}

struct Tally {
    unsigned long kept = 0;
    unsigned long leftOut = 0;
};

void report(const Tally& tally, const char* what, unsigned cap) {
    if (tally.leftOut)
        std::printf("Level: the level has more %s than the %u it may have; the nodes past them (%lu) are left out\n",
                    what, cap, tally.leftOut);
}

// True when the node still fits the cap; else counted as left out.
bool fits(Tally& tally, unsigned long amount, unsigned cap) {
    if (tally.kept + amount <= cap) return true;
    ++tally.leftOut;
    return false;
}

// Last child first, so that the first is taken next: file order.
void pushChildren(std::vector<scene::ISceneNode*>& pending, scene::ISceneNode* node) {
    const core::list<scene::ISceneNode*>& children = node->getChildren();
    for (auto child = children.getLast(); child != children.end(); --child) pending.push_back(*child);
}

}  // namespace

void capLevelScene(scene::ISceneNode* root) {
    Tally nodes, objects, triangles;
    std::vector<scene::ISceneNode*> leftOut;
    std::vector<scene::ISceneNode*> pending;
    pushChildren(pending, root);
    while (!pending.empty()) {
        scene::ISceneNode* node = pending.back();
        pending.pop_back();
        const unsigned long loose = isLooseObject(node) ? 1 : 0;
        const unsigned long nodeTriangles = trianglesOf(node);
        if (!fits(nodes, 1, kMostNodes) || !fits(objects, loose, kMostLooseObjects) ||
            !fits(triangles, nodeTriangles, kMostLevelTriangles)) {
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
}
