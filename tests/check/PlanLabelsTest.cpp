// Labels on the plan are drawn whole, inside the picture, and never over one another: when one
// would have to overlap, it is left out, unless it must be drawn (a warning's).
#include "PlanFont.h"
#include "PlanLabels.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <string>

using namespace irr;

namespace {

const video::SColor INK(255, 250, 235, 170);

int dotsOf(const std::string& words) {
    int dots = 0;
    for (char c : words)
        for (const char* d = glyphOf(c); *d; ++d) dots += *d == '#';
    return dots * 4;  // drawn 2 pixels a dot each way
}

int inked(const PlanCanvas& canvas) {
    int n = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) n += canvas.at(x, y) == INK;
    return n;
}

TEST(PlanLabels, LabelsAreWholeInsideThePictureAndApartOrLeftOut) {
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    PlanCanvas canvas(*device->getVideoDriver(), core::dimension2du(200, 100), video::SColor(255, 16, 16, 24));
    PlanLabels labels(canvas, core::recti(0, 0, 199, 99));
    // Beside something at the right edge: moved in, not cut.
    ASSERT_TRUE(labels.place(core::recti(190, 40, 199, 50), {"CRATE"}, INK));
    EXPECT_EQ(inked(canvas), dotsOf("CRATE"));
    int placed = 1;
    for (int i = 0; i < 40; ++i) placed += labels.place(core::recti(190, 40, 199, 50), {"CRATE"}, INK);
    EXPECT_GT(placed, 3) << "further out when the nearest places are taken";
    EXPECT_LT(placed, 41) << "the picture runs out of room";
    EXPECT_EQ(inked(canvas), placed * dotsOf("CRATE")) << "no label covers another";
    // A warning is drawn even with no room left, still inside.
    EXPECT_TRUE(labels.place(core::recti(190, 40, 199, 50), {"DOOR", "UNREACHABLE"}, INK, true));
    device->drop();
}

}  // namespace
