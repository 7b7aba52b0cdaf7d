// The plan of the two-room template the level generator writes, with one object stuck in the
// wall between the rooms: each kind of thing drawn in its own colour where it stands.
#include "ToolRun.h"

#include <gtest/gtest.h>
#include <irrlicht.h>

#include <unistd.h>

#include <fstream>
#include <functional>

namespace fs = std::filesystem;
using namespace irr;

namespace {

using Colour = std::function<bool(video::SColor)>;

// The template spans x -16.5 ... 16.5 and z -8.5 ... 8.5; the plan keeps a margin of 24 pixels.
struct Plan {
    video::IImage* image;
    f32 perUnit;

    core::vector2di at(f32 x, f32 z) const {
        return core::vector2di(s32(24 + (x + 16.5f) * perUnit), s32(24 + (8.5f - z) * perUnit));
    }
    int count(core::recti area, const Colour& colour) const {
        int n = 0;
        for (s32 y = area.UpperLeftCorner.Y; y <= area.LowerRightCorner.Y; ++y)
            for (s32 x = area.UpperLeftCorner.X; x <= area.LowerRightCorner.X; ++x)
                if (x >= 0 && y >= 0 && u32(x) < image->getDimension().Width && u32(y) < image->getDimension().Height &&
                    colour(image->getPixel(u32(x), u32(y))))
                    ++n;
        return n;
    }
    bool near(f32 x, f32 z, const Colour& colour, s32 reach = 4) const {
        const core::vector2di p = at(x, z);
        return count(core::recti(p.X - reach, p.Y - reach, p.X + reach, p.Y + reach), colour) > 0;
    }
};

bool grey(video::SColor c, u32 low, u32 high) {
    return c.getRed() == c.getGreen() && c.getGreen() == c.getBlue() && c.getRed() >= low && c.getRed() <= high;
}

TEST(LevelPlan, TheTemplatesPlanShowsEachThingInItsColourWhereItStands) {
    const fs::path game = fs::current_path();
    const fs::path dir = fs::temp_directory_path() / ("velmora_plan_" + std::to_string(getpid()));
    const std::string makeLevel = "python3 '" VELMORA_TOOLS "/levelgen/make_level.py' --template ";
    ASSERT_EQ(runTool(game, makeLevel + "'" + dir.string() + "'").code, 0);
    fs::copy(game / "Content/sounds", dir / "Content/sounds", fs::copy_options::recursive);  // a link out would be refused
    const fs::path level = dir / "Content/TestRoom3.irr";
    std::string text = readAll(level);
    text.insert(text.rfind("</irr_scene>"),
                "<node type=\"mesh\"><attributes><string name=\"Name\" value=\"Stuck\"/>"
                "<vector3d name=\"Position\" value=\"0, 3, 5\"/><vector3d name=\"Scale\" value=\"1, 1, 1\"/>"
                "<bool name=\"Visible\" value=\"true\"/>"
                "<string name=\"Mesh\" value=\"Content/meshes/first_crate.irrmesh\"/></attributes></node>\n");
    std::ofstream(level) << text;

    // The generator replaces no file of the designer's unless told to.
    const ToolRun again = runTool(game, makeLevel + "'" + dir.string() + "'");
    EXPECT_EQ(again.code, 1) << again.out;
    EXPECT_EQ(readAll(level), text);

    const ToolRun check = runTool(dir, "'" VELMORA_CHECK "' --plan plan.png");
    EXPECT_EQ(check.code, 1) << check.out;
    const size_t warning = check.out.find("  warning: ");
    EXPECT_NE(check.block("Stuck (mesh)").find("  warning: "), std::string::npos) << check.out;
    EXPECT_EQ(warning, check.out.rfind("  warning: ")) << "only the stuck crate is warned:\n" << check.out;

    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    video::IImage* image = device->getVideoDriver()->createImageFromFile((dir / "plan.png").string().c_str());
    ASSERT_NE(image, nullptr) << check.out;
    const Plan plan{image, f32(image->getDimension().Width - 48) / 33};
    const Colour floor = [](video::SColor c) { return grey(c, 50, 110); };
    const Colour wall = [](video::SColor c) { return grey(c, 180, 255); };
    const Colour orange = [](video::SColor c) { return c.getRed() > 200 && c.getGreen() > 110 && c.getGreen() < 190 && c.getBlue() < 80; };
    const Colour blue = [](video::SColor c) { return c.getBlue() > 200 && c.getRed() < 100 && c.getGreen() < 150; };
    const Colour white = [](video::SColor c) { return grey(c, 250, 255); };
    const Colour drip = [](video::SColor c) { return c.getRed() > 60 && c.getRed() < 90 && c.getGreen() > 140 && c.getGreen() < 165 && c.getBlue() > 240; };
    const Colour red = [](video::SColor c) { return c.getRed() > 240 && c.getGreen() < 60 && c.getBlue() < 60; };

    EXPECT_TRUE(plan.near(-8, -5, floor, 0)) << "the first room's floor";
    EXPECT_TRUE(plan.near(8, -5, floor, 0)) << "the second room's floor";
    EXPECT_TRUE(plan.near(0.25f, -5, wall)) << "the wall between the rooms";
    EXPECT_FALSE(plan.near(-8, -5, wall, 20)) << "no wall in the middle of a room";
    EXPECT_TRUE(plan.near(0, 0, blue)) << "the gate in the doorway";
    EXPECT_TRUE(plan.near(8, 4, orange, 0)) << "the crate";
    EXPECT_TRUE(plan.near(-10, 0, white, 0)) << "the player's start";
    EXPECT_TRUE(plan.near(-10, 2.5f, white, 1)) << "the player's facing, towards +z";
    EXPECT_FALSE(plan.near(-10, -2.5f, white, 1)) << "the player's facing, towards +z";
    EXPECT_TRUE(plan.near(10, 7, drip, 2)) << "the dripping pipe's largest wave, radius 12";
    EXPECT_FALSE(plan.near(8, 4, red, 20)) << "the crate is not warned";
    EXPECT_TRUE(plan.near(0.5f, 5, red, 8)) << "the stuck crate's red outline";
    const core::vector2di label = plan.at(0.5f, 5.5f);
    EXPECT_GT(plan.count(core::recti(label.X + 6, label.Y - 8, label.X + 60, label.Y + 16), red), 20) << "its name";
    const u32 height = image->getDimension().Height;
    const Colour light = [](video::SColor c) { return grey(c, 220, 255); };
    EXPECT_GT(plan.count(core::recti(0, s32(height) - 40, 300, s32(height) - 1), light), 100) << "the scale bar";
    image->drop();
    device->drop();

    EXPECT_EQ(runTool(game, makeLevel + "--force '" + dir.string() + "'").code, 0);
    EXPECT_EQ(readAll(level).find("Stuck"), std::string::npos) << "--force replaces the level";
    fs::remove_all(dir);
}

}  // namespace
