#pragma once
// The wave manager owns every live sound wave and the wave data array the shaders read: the
// waves' nine-float records in list order, optionally closed by an end marker of nine -1.0
// floats. Waves come from the level's emitters (persistent), from one-off sounds (free pulses)
// and from the beats of analysed emitters; update() ages them once per frame and drops the free
// pulses that finished. The array has no cap: the shader sees as many records as it can hold.

#include "waves/SoundWave.h"

#include <irrlicht.h>

#include <list>
#include <memory>
#include <set>
#include <vector>

class CIrrKlangSceneNode;

class WaveManager {
public:
    // Beats of one emitter that send pulses in one frame; a frame of a second and a half of
    // sound holds about that many (a beat is a loud slot of 100 ms after a quiet one).
    static const int MOST_BEATS_A_FRAME = 8;

    static WaveManager& instance();

    // The game uses instance(); tests make fresh managers of their own.
    WaveManager();
    ~WaveManager();
    WaveManager(const WaveManager&) = delete;
    WaveManager& operator=(const WaveManager&) = delete;

    // The emitter's own persistent wave, of the class its "EffectType" names.
    void addNodeWave(CIrrKlangSceneNode* node);
    // An emitter with sound analysis: each time its sound turns loud it sends a pulse.
    void addEmitter(CIrrKlangSceneNode* node);
    // A free pulse that finishes when its front first passes maxRadius (world units > 0) and
    // grows at waveSpeed (units per second > 0). Note the order: radius, trail, speed,
    // intensity, start radius.
    void addPulse(const irr::core::vector3df& position, float maxRadius, float trail,
                  float waveSpeed, float maxIntensity, float startRadius,
                  const irr::core::vector3df& color);
    // A free pulse whose light lingers (see SoundWaveLingering): it grows at waveSpeed to
    // maxRadius and every surface it passes fades over fadeSeconds (all finite and > 0). The
    // lingering pulses before it give way: they dim to dark while its front grows half way.
    void addLingeringPulse(const irr::core::vector3df& position, float maxRadius, float waveSpeed,
                           float fadeSeconds, float maxIntensity, const irr::core::vector3df& color);
    // Once per frame: pulses for the emitters' beats, then every wave aged by the last frame
    // time and the finished ones removed.
    void update();
    // Closes the array with the end marker unless it already is.
    void ensureEndMarker();
    // Drops every wave and emitter: the level they came from is gone.
    void clear();

    const WaveData& waveData() const { return data; }
    irr::s32 recordCount() const { return records; }
    const std::list<std::unique_ptr<SoundWave>>& waves() const { return live; }
    const std::vector<CIrrKlangSceneNode*>& emitters() const { return beatEmitters; }

private:
    void add(SoundWave* wave);
    void pulseOnBeats();
    void pulseOnBeat(CIrrKlangSceneNode* node);
    void hold(CIrrKlangSceneNode* node);

    std::list<std::unique_ptr<SoundWave>> live;   // in order of addition
    WaveData data;
    irr::s32 records;                             // records in data, the end marker not counted
    bool endMarkerPresent;
    std::vector<CIrrKlangSceneNode*> beatEmitters;
    // One reference on every emitter node the manager has seen: a play-once emitter that deletes
    // itself leaves the scene, but never while its waves still read it.
    std::vector<CIrrKlangSceneNode*> heldNodes;
    // Emitters whose beats make pulses that could never finish: reported once, then left quiet.
    std::set<const CIrrKlangSceneNode*> stillBeats;
    // Emitters that beat more often in a frame than it shows: reported once.
    std::set<const CIrrKlangSceneNode*> crowdedBeats;
};
