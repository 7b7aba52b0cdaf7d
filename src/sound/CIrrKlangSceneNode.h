#pragma once
// A sound emitter placed in the level. It plays its 3-D sound at its own position by play mode
// (never, at random intervals, looping, or once with optional deletion) and carries the
// description of its visible waves: effect type, colour and shape. With an analysis file beside
// its sound (one slot per 100 ms: a level and a colour), the wave manager asks it every frame
// whether the sound has just become loud and sends a pulse in currentColour.
//
// Settings travel as Irrlicht attributes under the names shown below; out-of-range values are
// repaired, never rejected. Without an audio engine the node stays silent and its waves work.

#include <irrlicht.h>

#include <vector>

#include "sound/SlotJudge.h"
#include "sound3d/vsound.h"

class CIrrKlangSceneNode : public irr::scene::ISceneNode {
public:
    static constexpr irr::scene::ESCENE_NODE_TYPE TYPE =
        irr::scene::ESCENE_NODE_TYPE(MAKE_IRR_ID('i', 'k', 'n', 'g'));
    static const char* const TYPE_NAME;  // "irrKlangSceneNode"

    enum E_PLAY_MODE { EPM_NOTHING = 0, EPM_RANDOM, EPM_LOOPING, EPM_PLAY_ONCE };
    enum E_EFFECT_TYPE { EET_PULSE = 0, EET_GLOW, EET_MULTI_PULSE };
    static const char* const PlayModeNames[];    // "nothing", "random", "looping", "play_once"
    static const char* const EffectTypeNames[];  // "Pulse", "Glow", "Multi-Pulse"

    // engine may be null (no audio device): the node then never sounds.
    CIrrKlangSceneNode(vsound::ISoundEngine* engine, irr::scene::ISceneNode* parent,
                       irr::scene::ISceneManager* manager, irr::s32 id);
    ~CIrrKlangSceneNode() override;

    void serializeAttributes(irr::io::IAttributes* out,
                             irr::io::SAttributeReadWriteOptions* options = 0) const override;
    void deserializeAttributes(irr::io::IAttributes* in,
                               irr::io::SAttributeReadWriteOptions* options = 0) override;
    void OnRegisterSceneNode() override;
    // timeMs: the scene manager's clock, in msec.
    void OnAnimate(irr::u32 timeMs) override;
    void render() override {}
    const irr::core::aabbox3df& getBoundingBox() const override { return Box; }
    irr::scene::ESCENE_NODE_TYPE getType() const override { return TYPE; }
    irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0,
                                  irr::scene::ISceneManager* newManager = 0) override;

    // Silences the node for good: mode "nothing", sound stopped and released.
    void stopSound();
    void validateEffectAttributes();
    // Judges the oldest analysis slot that has ended since the last one judged: true when the
    // playing sound's analysed level rose to Threshold there. A long frame leaves several
    // slots to judge, one call each, in order.
    bool crossedThreshold();
    bool slotToJudge() const { return nextSlot() >= 0; }
    // The colour of the analysis slot judged last, or EffectColor without analysis.
    irr::core::vector3df currentColour() const;
    // Reads the analysis file beside SoundFileName; true when it gave at least one slot.
    bool loadAnalysis();

    irr::core::aabbox3df Box;
    vsound::ISoundEngine* engine;     // one reference held; may be null
    vsound::ISound* sound;            // the tracked sound now started, one reference held
    irr::core::stringc SoundFileName;             // "SoundFileName"
    irr::f32 MinDistance;                         // "MinDistance", applied only when > 0
    irr::f32 MaxDistance;                         // "MaxDistance", applied only when > 0
    irr::core::vector3df EffectColor;             // "EffectColor", r g b in 0..1
    irr::s32 EffectType;                          // "EffectType", E_EFFECT_TYPE
    irr::f32 MaxRadius;                           // "MaxRadius", world units > 0
    irr::f32 MaxIntensity;                        // "MaxIntensity", 0..1
    irr::f32 Trail;                               // "Trail", world units behind a pulse front
    irr::f32 StartingRadius;                      // "StartingRadius"
    irr::f32 MinRadius;                           // "MinRadius", smallest radius of a glow
    irr::f32 WaveSpeed;                           // "WaveSpeed", world units per second > 0
    irr::u32 WaveCount;                           // "WaveCount", rings of a multi-pulse
    irr::f32 WaveSpacing;                         // "WaveSpacing", world units between rings
    std::vector<irr::f32> analysisLevels;         // one per 100 ms of the sound
    std::vector<irr::core::vector3df> analysisColours;  // one per 100 ms, same order
    irr::f32 Threshold;                           // "Threshold" (read only): loud from here
    SlotJudge slots;                              // which analysis slots have been judged
    irr::s32 PlayMode;                            // "PlayMode", E_PLAY_MODE
    irr::u32 nextPlayTimeMs;                      // random mode: start after this; 0: at once
    bool DeleteWhenFinished;                      // "DeleteWhenFinished", play_once only
    irr::s32 MaxTimeMsInterval;                   // "MaxTimeMsInterval", msec
    irr::s32 MinTimeMsInterval;                   // "MinTimeMsInterval", msec
    irr::s32 playCount;                           // play_once: starts made, 0 or 1
    bool playedOut = false;                       // play_once: its sound has played to the end

private:
    irr::s32 nextSlot() const;  // the slot crossedThreshold judges next, or -1
    void startSound(bool looped);
    void scheduleNextPlay(irr::u32 timeMs);
};
