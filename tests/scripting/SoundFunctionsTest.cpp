// PlaySound as scripts see it: a file of the sounds folder heard at the object with its pulse,
// and for a bad object or file one line, said once, and nothing played.
#include "ScriptFixture.h"

#include "../platform_sound3d/SoundFiles.h"
#include "scripting/ScriptFunctions.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"

#include <string>

using irr::core::vector3df;

namespace {

using SoundFunctionsTest = ScriptFixture;

const vector3df EVENT_COLOUR(1.0f, 0.8f, 0.45f);

size_t eventPulses() {
    size_t count = 0;
    for (const auto& wave : WaveManager::instance().waves())
        if (wave->color == EVENT_COLOUR) ++count;
    return count;
}

TEST_F(SoundFunctionsTest, ASoundOfTheFolderIsHeardAtTheObjectAndABadObjectOrFileIsSaidOnceAndNotPlayed) {
    vsound::ISoundEngine* engine = vsound::createLoopbackDevice(soundtest::kRate);
    ASSERT_NE(engine, nullptr);
    SoundSystem::useEngine(engine);
    SoundSystem::instance();
    GameObject* bell = addObject("Bell", vector3df(4, 1, 7));
    const std::string bellId = std::to_string(bell->id);
    GameObject* self = addObject("Ringer");
    const std::string said = "Scripting: object " + std::to_string(self->id) + " \"Ringer\": ";
    attach(self, "function OnTick() PlaySound(" + bellId + ", 'fx/level/exit_chime.wav') end\n"
                 "function OnUse()\n"
                 "  PlaySound(99999, 'fx/level/exit_chime.wav') PlaySound(99999, 'fx/level/exit_chime.wav')\n"
                 "  PlaySound(" + bellId + ", 'fx/level/none.wav') PlaySound(" + bellId + ", 'fx')\n"
                 "  PlaySound(" + bellId + ", '../scripts/Door.lua') PlaySound(" + bellId + ", 'ambient/drip.xml')\n"
                 "  PlaySound('" + bellId + "', 'fx/level/exit_chime.wav') PlaySound(" + bellId + ".5, 'fx/level/exit_chime.wav')\n"
                 "  PlaySound(" + bellId + ")\n"
                 "end");
    irr::scene::ICameraSceneNode* eye = GameWorld::instance().camera;
    eye->setPosition(vector3df(4, 1, 20));
    eye->updateAbsolutePosition();
    soundtest::renderLevels(engine, 200);
    EXPECT_EQ(event(self, "OnTick"), "");
    EXPECT_EQ(eventPulses(), 0u) << "started once the frame's scripts have run";
    playScriptSounds();
    ASSERT_EQ(eventPulses(), 1u);
    // From the side of the bell's box (2 units a side) that faces the eye.
    EXPECT_EQ(WaveManager::instance().waves().back()->position, vector3df(4, 1, 8));
    EXPECT_GT(soundtest::renderLevels(engine, 300).left, 0.001) << "the chime is heard";

    std::string lines = event(self, "OnUse");
    lines += printed([] { playScriptSounds(); });
    EXPECT_EQ(lines,
              said + "PlaySound names object 99999, which does not exist; nothing is played\n" +
              said + "PlaySound's sound Content/sounds/fx/level/none.wav is missing; nothing is played\n" +
              said + "PlaySound's sound Content/sounds/fx is not a regular file; nothing is played\n" +
              said + "PlaySound names \"../scripts/Door.lua\", which is not a file in Content/sounds/; nothing is "
                      "played\n" +
              "Sound: cannot play \"Content/sounds/ambient/drip.xml\" (Format not recognised.); it stays silent.\n");
    EXPECT_EQ(eventPulses(), 1u);
    EXPECT_EQ(event(self, "OnUse"), "") << "each said once";

    // Each object may start four sounds in a second.
    GameObject* chimer = addObject("Chimer");
    attach(chimer, "function OnTick() for i = 1, 10 do PlaySound(objID, 'fx/level/plate_up.wav') end end");
    EXPECT_EQ(event(chimer, "OnTick"), "Scripting: object " + std::to_string(chimer->id) +
                                           " \"Chimer\": started more than 4 sounds in one second; the rest are "
                                           "dropped, now and whenever it plays too many again\n");
    playScriptSounds();
    EXPECT_EQ(eventPulses(), 5u);
}

}  // namespace
