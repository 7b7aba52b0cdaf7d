#include "waves/WaveManager.h"

#include "level/ConsoleText.h"
#include "sound/CIrrKlangSceneNode.h"
#include "waves/SoundWaveGlow.h"
#include "waves/SoundWaveLingering.h"
#include "waves/SoundWavePulse.h"
#include "waves/SoundWavePulseMulti.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using irr::core::vector3df;

namespace {

// Such a pulse would never reach its maximum, so it would never finish and never leave.
bool neverFinishes(float maxRadius, float speed) {
    return !(maxRadius > 0.0f && std::isfinite(maxRadius)) || !(speed > 0.0f && std::isfinite(speed));
}

// An emitter taken out of the scene (a play-once emitter deleting itself) beats no more.
bool removed(const CIrrKlangSceneNode* node) { return !node->getParent(); }

}  // namespace

WaveManager& WaveManager::instance() {
    static WaveManager manager;
    return manager;
}

WaveManager::WaveManager() : records(0), endMarkerPresent(false) {}

WaveManager::~WaveManager() { clear(); }

void WaveManager::clear() {
    live.clear();
    data.clear();
    records = 0;
    endMarkerPresent = false;
    beatEmitters.clear();
    stillBeats.clear();
    crowdedBeats.clear();
    for (CIrrKlangSceneNode* node : heldNodes) node->drop();
    heldNodes.clear();
}

void WaveManager::hold(CIrrKlangSceneNode* node) {
    if (std::find(heldNodes.begin(), heldNodes.end(), node) != heldNodes.end()) return;
    node->grab();
    heldNodes.push_back(node);
}

void WaveManager::add(SoundWave* wave) {
    if (endMarkerPresent) {
        data.resize(data.size() - SoundWave::RECORD_FLOATS);
        endMarkerPresent = false;
    }
    wave->index = records;
    live.emplace_back(wave);
    records += wave->append(data);
}

void WaveManager::addNodeWave(CIrrKlangSceneNode* node) {
    hold(node);
    switch (node->EffectType) {
    case CIrrKlangSceneNode::EET_PULSE:
        add(new SoundWavePulse(node));
        break;
    case CIrrKlangSceneNode::EET_GLOW:
        add(new SoundWaveGlow(node));
        break;
    case CIrrKlangSceneNode::EET_MULTI_PULSE:
        add(new SoundWavePulseMulti(node));
        break;
    default:
        std::printf("Waves: emitter \"%s\" has effect type %d, which is none of Pulse, Glow "
                    "or Multi-Pulse; it shows no wave\n", shownName(node->getName()).c_str(), node->EffectType);
    }
}

void WaveManager::addEmitter(CIrrKlangSceneNode* node) {
    hold(node);
    beatEmitters.push_back(node);
}

void WaveManager::addPulse(const vector3df& position, float maxRadius, float trail,
                           float waveSpeed, float maxIntensity, float startRadius,
                           const vector3df& color) {
    if (neverFinishes(maxRadius, waveSpeed)) {
        std::printf("Waves: pulse with max radius %g and speed %g would never finish; "
                    "it is not shown\n", maxRadius, waveSpeed);
        return;
    }
    add(new SoundWavePulse(position, maxRadius, maxIntensity, color, waveSpeed, trail,
                           startRadius));
}

void WaveManager::addLingeringPulse(const vector3df& position, float maxRadius, float waveSpeed,
                                    float fadeSeconds, float maxIntensity, const vector3df& color) {
    if (neverFinishes(maxRadius, waveSpeed) || neverFinishes(fadeSeconds, 1.0f)) {
        std::printf("Waves: lingering pulse with max radius %g, speed %g and fade %g s would never "
                    "finish; it is not shown\n", maxRadius, waveSpeed, fadeSeconds);
        return;
    }
    // Lit by the newer wave, the room needs the older ones no more, and each costs every pixel
    // it covers: they are dark by the time its front is half way out.
    for (auto& wave : live)
        if (auto* older = dynamic_cast<SoundWaveLingering*>(wave.get()))
            older->giveWay(0.5f * maxRadius / waveSpeed);
    add(new SoundWaveLingering(position, maxRadius, maxIntensity, color, waveSpeed, fadeSeconds));
}

// Every slot that ended since an emitter was last judged is judged, so a long frame loses no beat.
// An analysis longer than its sound leaves every slot past the sound's end to judge when it
// loops, and as many beats: only the first few of a frame send pulses.
void WaveManager::pulseOnBeats() {
    beatEmitters.erase(std::remove_if(beatEmitters.begin(), beatEmitters.end(), removed),
                       beatEmitters.end());
    for (CIrrKlangSceneNode* node : beatEmitters) {
        int beats = 0;
        while (node->slotToJudge())
            if (node->crossedThreshold() && ++beats <= MOST_BEATS_A_FRAME) pulseOnBeat(node);
        if (beats > MOST_BEATS_A_FRAME && crowdedBeats.insert(node).second)
            std::printf("Waves: emitter \"%s\" beat %d times in one frame (its analysis may be "
                        "longer than its sound); each frame shows at most %d of its beats\n",
                        shownName(node->getName()).c_str(), beats, MOST_BEATS_A_FRAME);
    }
}

// A beat's pulse is scaled by the colour's red over its blue: warm beats reach further, faster,
// with a shorter trail.
void WaveManager::pulseOnBeat(CIrrKlangSceneNode* node) {
    vector3df colour = node->currentColour();
    float scale = colour.X / colour.Z;
    float maxRadius = node->MaxRadius * scale, speed = node->WaveSpeed * scale;
    if (!neverFinishes(maxRadius, speed)) {
        addPulse(node->getAbsolutePosition(), maxRadius, node->Trail / scale, speed, 1.0f, 0.0f,
                 colour);
    } else if (stillBeats.insert(node).second) {
        std::printf("Waves: emitter \"%s\" beats with pulses of radius %g and speed %g, which "
                    "would never finish; its beats show nothing\n",
                    shownName(node->getName()).c_str(), maxRadius, speed);
    }
}

void WaveManager::update() {
    pulseOnBeats();
    if (live.empty()) return;
    irr::s32 shift = 0;
    for (auto it = live.begin(); it != live.end();) {
        SoundWave& wave = **it;
        wave.index -= shift;
        if (wave.source && wave.source->playedOut) wave.runOut();
        if ((wave.source && removed(wave.source)) || wave.update(data)) {
            shift += wave.erase(data);
            it = live.erase(it);
        } else {
            ++it;
        }
    }
    records -= shift;
}

void WaveManager::ensureEndMarker() {
    if (endMarkerPresent) return;
    data.insert(data.end(), SoundWave::RECORD_FLOATS, -1.0f);
    endMarkerPresent = true;
}
