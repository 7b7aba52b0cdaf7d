// A walk through the finished level with OpenAL's wave-file writer as the audio device: the
// steps are heard in the written file and seen as light-blue pulses, and the dripping pipe
// beats with pulses of its own.
#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/ProcessEnvironment.h"
#include "harness/ScriptedInput.h"
#include "sound/SoundSystem.h"
#include "waves/WaveManager.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <set>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace irr;

namespace {

// The loudest 16-bit sample in the file after its header.
int loudestSample(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int loudest = 0;
    for (size_t i = 44; i + 1 < bytes.size(); i += 2) {
        int sample = static_cast<int16_t>((uint8_t(bytes[i + 1]) << 8) | uint8_t(bytes[i]));
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

}  // namespace

TEST(AudibleWalk, StepsAreHeardAndSeenAndThePipeBeats) {
    const std::string dir = "/tmp/velmora_audible_" + std::to_string(getpid());
    const std::string conf = dir + ".conf", heard = dir + ".wav";
    std::ofstream(conf) << "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\n"
                        << "[wave]\nfile=" << heard << "\n";
    setProcessEnvironment("ALSOFT_CONF", conf.c_str());

    GraphicsSystem::useWindowSize(core::dimension2du(160, 120), false);
    startUp();
    ASSERT_NE(SoundSystem::instance().getEngine(), nullptr);
    GraphicsSystem::instance().fixedFrameTime = 20;

    GameWorld::instance().player->setPosition(0, 2, -30);  // in the hall, clear ahead
    InputFrame forward;
    forward.keys = {KEY_KEY_W};
    std::vector<InputFrame> walk(50, forward);
    installScriptedInput(walk);
    std::set<const SoundWave*> steps, beats;
    const core::vector3df pipe(6, 7, 44), stepBlue(0.6f, 0.8f, 1.0f);
    // Sound plays in real time: pace the frames as the game would run them.
    for (int frame = 0; frame < 200; ++frame) {
        ASSERT_TRUE(runFrame());
        for (const auto& wave : WaveManager::instance().waves()) {
            if (wave->source) continue;  // free waves only
            if (wave->color.equals(stepBlue)) steps.insert(wave.get());
            if (wave->position.equals(pipe)) beats.insert(wave.get());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_GE(steps.size(), 2u);  // 12 units walked: a step every 3.5
    EXPECT_GE(beats.size(), 1u);
    EXPECT_GT(loudestSample(heard), 300);
    std::remove(conf.c_str());
    std::remove(heard.c_str());
}
