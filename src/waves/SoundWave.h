#pragma once
// A sound wave is the visible trace of a sound: a spherical front centred on the sound that the
// scene shaders light. Every wave writes itself into the wave manager's float array as one or
// more nine-float records:
//
//   0..2 centre x, y, z (world units)   3..5 colour r, g, b (0..1)
//   6    current radius                 7    current intensity
//   8    trail length behind the front, -1 for a glow
//
// Waves built from a sound emitter node follow it and finish only after a play-once emitter's
// sound has played (runOut); free waves (footsteps, impacts, beats) finish the first time their
// front passes its maximum radius.

#include <irrlicht.h>

#include <vector>

class CIrrKlangSceneNode;

typedef std::vector<float> WaveData;

class SoundWave {
public:
    static const int RECORD_FLOATS = 9;

    virtual ~SoundWave() {}

    // Advances the wave by the last frame time and rewrites its record; true when it finished.
    virtual bool update(WaveData& waveData);
    // Pushes the wave's records onto the end of the array; returns how many.
    virtual int append(WaveData& waveData);
    // Removes the wave's records from the array; returns how many.
    virtual int erase(WaveData& waveData);
    // One time step; true when the record's centre is to be rewritten (and a free wave ends).
    virtual bool advance();
    virtual irr::core::vector3df getPosition() const;
    virtual irr::core::vector3df getColor() const;
    virtual float getRadius() const;
    virtual float getIntensity() const;
    virtual float getTrail() const;
    virtual void followSource();
    virtual bool isOneShot() const;
    // The emitter's sound has played out: the wave ends as it would in the room. A ring runs
    // out at its next restart.
    virtual void runOut();

    irr::s32 index;               // first record in the array, in records (not floats)
    float maxIntensity;
    float maxRadius;              // world units, always > 0
    float waveSpeed;              // world units per second
    float trail;                  // world units, handed to the shader unchanged
    irr::core::vector3df color;   // r, g, b
    irr::core::vector3df position;
    // Finishes at its next wrap: a free wave always, a node's wave once its sound has played out.
    bool oneShot;
    CIrrKlangSceneNode* source;   // the node it follows (not owned); null for free waves

protected:
    // A free wave.
    SoundWave(const irr::core::vector3df& position, float maxRadius, float maxIntensity,
              const irr::core::vector3df& color, float waveSpeed, float trail);
    // A wave that takes its shape from an emitter node and follows it for ever.
    explicit SoundWave(CIrrKlangSceneNode* node);

    // The last frame's duration in seconds: every wave ages by it.
    static float frameSeconds();
};
