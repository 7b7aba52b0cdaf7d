#include "CSoundSource.h"

namespace vsound {

CSoundSource::CSoundSource(const std::string& name, const DecodedSound& decoded)
    : name(name), rate(decoded.sampleRate) {
    alGenBuffers(1, &bufferId);
    alBufferData(bufferId, AL_FORMAT_MONO16, decoded.samples.data(),
                 ALsizei(decoded.samples.size() * sizeof(decoded.samples[0])), rate);
}

CSoundSource::~CSoundSource() { alDeleteBuffers(1, &bufferId); }

}  // namespace vsound
