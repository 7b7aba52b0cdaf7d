#include "CSoundEngine.h"

#include "AlFrame.h"

#include <AL/al.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "CSound.h"

namespace vsound {

CSoundEngine::CSoundEngine(std::unique_ptr<AudioDevice> audioDevice)
    : device(std::move(audioDevice)) {
    device->makeCurrent();
    voices = std::make_unique<VoicePool>();
    effects = CAcoustics::create(*this, device->alcDevice());
}

CSoundEngine::~CSoundEngine() {
    device->makeCurrent();
    // Sounds still held elsewhere outlive the engine as finished sounds.
    for (CSound* sound : playing) {
        voices->giveBack(sound->voice());
        sound->detach();
        sound->drop();
    }
    playing.clear();
    voices.reset();
    effects.reset();
    sources.clear();
}

CSoundSource* CSoundEngine::sourceFor(const char* fileName) {
    auto known = sourcesByName.find(fileName);
    if (known != sourcesByName.end())
        return known->second;
    DecodedSound decoded = decodeMono(fileName, kMaxDecodedSamples - decodedSamples);
    CSoundSource* source = nullptr;
    if (decoded.error.empty()) {
        decodedSamples += decoded.samples.size();
        sources.push_back(std::make_unique<CSoundSource>(fileName, decoded));
        source = sources.back().get();
    } else if (problemReport) {
        problemReport(fileName, decoded.error.c_str());
    } else {
        std::printf("Sound: cannot play \"%s\" (%s); it stays silent.\n", fileName,
                    decoded.error.c_str());
    }
    sourcesByName.emplace(fileName, source);
    return source;
}

int CSoundEngine::takeVoice() {
    int voice = voices->lend();
    if (voice >= 0)
        return voice;
    update();
    voice = voices->lend();
    if (voice >= 0)
        return voice;
    auto unheld = std::find_if(playing.begin(), playing.end(),
                               [](CSound* sound) { return sound->getReferenceCount() == 1; });
    if (unheld == playing.end())
        return -1;
    release(*unheld);
    return voices->lend();
}

ISound* CSoundEngine::play3D(const char* soundFileName, vec3df position, bool playLooped,
                             bool startPaused, bool track, E_STREAM_MODE, bool) {
    if (!soundFileName)
        return nullptr;
    device->makeCurrent();
    CSound* sound = startSound(soundFileName, position, playLooped, startPaused, 0.0f, 1.0f);
    if (!sound || (!track && !startPaused))
        return nullptr;
    sound->grab();
    return sound;
}

void CSoundEngine::playDelayed(const char* file, const vec3df& position, float delay, float gain) {
    if (!file)
        return;
    device->makeCurrent();
    startSound(file, position, false, false, delay, gain);
}

CSound* CSoundEngine::startSound(const char* file, const vec3df& position, bool looped,
                                 bool paused, float delay, float gain) {
    CSoundSource* source = sourceFor(file);
    if (!source)
        return nullptr;
    int voice = takeVoice();
    if (voice < 0) {
        if (!reportedVoicesFull)
            std::printf("Sound: all %d voices are held; \"%s\" and later sounds are dropped "
                        "until one is free.\n", voices->size(), file);
        reportedVoicesFull = true;
        return nullptr;
    }
    reportedVoicesFull = false;

    ALuint id = voices->source(voice);
    if (delay > 0.0f && effects) {
        std::vector<ALuint> queue = effects->leadIn(source->sampleRate(), delay);
        queue.push_back(source->buffer());
        alSourceQueueBuffers(id, ALsizei(queue.size()), queue.data());
    } else {
        alSourcei(id, AL_BUFFER, ALint(source->buffer()));
    }
    alSourcei(id, AL_LOOPING, looped ? AL_TRUE : AL_FALSE);
    alSourcef(id, AL_GAIN, gain);
    setSourceVector(id, AL_POSITION, position);
    if (effects)
        effects->voiceStarting(voice, id, position);
    CSound* sound = new CSound(this, voice, id, source->sampleRate());
    playing.push_back(sound);
    if (paused)
        sound->setIsPaused(true);
    else
        sound->start();
    return sound;
}

void CSoundEngine::setListenerPosition(const vec3df& position, const vec3df& look,
                                       const vec3df& velocity, const vec3df& up) {
    device->makeCurrent();
    setListenerVector(AL_POSITION, position);
    setListenerVector(AL_VELOCITY, velocity);
    // OpenAL cannot orient a listener whose look is zero or parallel to its up vector.
    float sideX = look.Y * up.Z - look.Z * up.Y;
    float sideY = look.Z * up.X - look.X * up.Z;
    float sideZ = look.X * up.Y - look.Y * up.X;
    float side = sideX * sideX + sideY * sideY + sideZ * sideZ;
    if (!(side > 1e-12f) || !std::isfinite(side))
        return;
    const vec3df alLook = acrossFrames(look), alUp = acrossFrames(up);
    const float orientation[6] = {alLook.X, alLook.Y, alLook.Z, alUp.X, alUp.Y, alUp.Z};
    std::copy(orientation, orientation + 6, listenerOrientation);
    alListenerfv(AL_ORIENTATION, listenerOrientation);
}

void CSoundEngine::update() {
    device->makeCurrent();
    std::vector<CSound*> ended;
    for (CSound* sound : playing)
        if (sound->hasEnded())
            ended.push_back(sound);
    for (CSound* sound : ended)
        release(sound);
}

void CSoundEngine::release(CSound* sound) {
    auto found = std::find(playing.begin(), playing.end(), sound);
    if (found == playing.end())
        return;
    playing.erase(found);
    voices->giveBack(sound->voice());
    sound->detach();
    sound->drop();
}

ISoundSource* CSoundEngine::getSoundSource(int index) {
    if (index < 0 || index >= int(sources.size()))
        return nullptr;
    return sources[size_t(index)].get();
}

void CSoundEngine::render(float* out, int frames) {
    device->makeCurrent();
    device->render(out, frames);
}

}  // namespace vsound
