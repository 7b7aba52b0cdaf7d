#pragma once

#include <AL/al.h>

#include <string>

#include "Decoder.h"
#include "sound3d/ISoundSource.h"

namespace vsound {

// A decoded file held in one mono OpenAL buffer. Needs its engine's context current when
// created and destroyed.
class CSoundSource : public ISoundSource {
public:
    CSoundSource(const std::string& name, const DecodedSound& decoded);
    ~CSoundSource() override;

    const char* getName() const override { return name.c_str(); }
    ALuint buffer() const { return bufferId; }
    int sampleRate() const { return rate; }

private:
    std::string name;
    ALuint bufferId = 0;
    int rate;
};

}  // namespace vsound
