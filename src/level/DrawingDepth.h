#pragma once
// What a mesh costs to draw, judged before it is ever drawn. A software renderer pays for every
// pixel of every triangle, hidden or not, so a mesh of large triangles piled on each other
// stalls the frame though its count is small. Seen from a random direction, a mesh's triangles
// cover its bounding box on average 2 * (their area) / (the box's surface) times over, whatever
// the view: a closed box is 2 deep, a room or a prop a few, a heap of random triangles thousands.

#include <irrlicht.h>

// The most layers a mesh may pile up; about 20 M hidden pixels when it fills a 640 x 480 screen.
constexpr double kDeepestDrawing = 64.0;

// How many layers deep the mesh draws on average; 0 for a mesh of no area.
double drawingDepth(const irr::scene::IMesh& mesh);
