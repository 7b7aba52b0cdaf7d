#include "EmitterWarnings.h"

#include "ConsoleCapture.h"
#include "NodeOutcome.h"
#include "sound/CIrrKlangSceneNode.h"
#include "sound/SoundAnalysisReader.h"

#include <cstring>
#include <filesystem>

namespace {

bool knownWord(const std::string& word, const char* const* names) {
    for (; *names; ++names)
        if (word == *names) return true;
    return false;
}

// Decoding through the engine is what the emitter will do when it first plays.
bool playable(vsound::ISoundEngine* engine, const std::string& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    if (!engine) return true;
    ConsoleCapture quiet;  // the engine's own line about a file it cannot decode
    vsound::ISound* sound = engine->play3D(file.c_str(), vsound::vec3df(), false, true, true);
    if (!sound) return false;
    sound->stop();
    sound->drop();
    return true;
}

void missingEffectAttributes(const RawNode& raw, const CIrrKlangSceneNode& emitter,
                             std::vector<std::string>& out) {
    auto missing = [&](const char* name, const char* consequence) {
        if (!raw.has(name)) out.push_back(std::string("it gives no \"") + name + "\": " + consequence);
    };
    missing("EffectColor", "the colour reads as (0, 0, 0), so its wave is black and lights nothing");
    missing("MaxIntensity", "it reads as 0, so its wave is invisible");
    missing("MaxRadius", "it reads as 0 and is repaired to 50");
    if (emitter.EffectType != CIrrKlangSceneNode::EET_GLOW)
        missing("Trail", "it reads as 0 and is repaired to 0.15 x MaxRadius");
}

}  // namespace

std::vector<std::string> emitterWarnings(const RawNode& raw, const CIrrKlangSceneNode& emitter,
                                         vsound::ISoundEngine* engine) {
    std::vector<std::string> out;
    const std::string sound = raw.value("SoundFileName");
    if (sound.empty())
        out.push_back("it gives no \"SoundFileName\": it plays nothing and never beats");
    else if (!playable(engine, sound))
        out.push_back("its sound file \"" + sound + "\" is missing or cannot be read; it plays nothing");

    if (!raw.has("PlayMode"))
        out.push_back("it gives no \"PlayMode\": it never plays");
    else if (!knownWord(raw.value("PlayMode"), CIrrKlangSceneNode::PlayModeNames))
        out.push_back("its PlayMode \"" + raw.value("PlayMode") +
                      "\" is none of nothing, random, looping, play_once: it never plays");
    if (!raw.has("MinDistance"))
        out.push_back("it gives no \"MinDistance\": it reads as 0, so the sound is at full volume "
                      "only within 1 unit and fades fast");

    if (!raw.has("EffectType")) {
        out.push_back("it gives no \"EffectType\": every wave attribute is ignored and the defaults "
                      "are used (a blue Pulse of radius 50)");
    } else if (!knownWord(raw.value("EffectType"), CIrrKlangSceneNode::EffectTypeNames)) {
        out.push_back("its EffectType \"" + raw.value("EffectType") +
                      "\" is none of Pulse, Glow, Multi-Pulse: it shows no wave");
    } else {
        missingEffectAttributes(raw, emitter, out);
    }

    if (!emitter.analysisLevels.empty() && beatsPerPass(emitter) == 0) {
        char threshold[32];
        std::snprintf(threshold, sizeof threshold, "%g", emitter.Threshold);
        out.push_back("its analysis file \"" + std::string(analysisFileName(emitter.SoundFileName).c_str()) +
                      "\" never reaches the threshold " + threshold + ": it never beats");
    }
    return out;
}
