#include "SoundFiles.h"

#include <sndfile.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>

namespace soundtest {

namespace {
// Removed with everything in it when the test process ends.
struct ScratchDir {
    std::string path;
    ScratchDir() {
        char pattern[] = "/tmp/velmora_sound_XXXXXX";
        path = mkdtemp(pattern);
    }
    ~ScratchDir() { std::filesystem::remove_all(path); }
};
}  // namespace

const std::string& scratchDir() {
    static const ScratchDir dir;
    return dir.path;
}

std::string scratchPath(const std::string& name) { return scratchDir() + "/" + name; }

void writeTone(const std::string& path, double seconds, int channels) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    int frames = int(seconds * kRate);
    std::vector<float> samples(size_t(frames * channels), 0.0f);
    for (int i = 0; i < frames; ++i)
        samples[size_t(i * channels)] = 0.5f * std::sin(2.0f * float(M_PI) * 440.0f * i / kRate);
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
}

std::vector<float> readAll(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<float> samples(size_t(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    return samples;
}

Levels renderLevels(vsound::ISoundEngine* engine, int ms) {
    int frames = kRate * ms / 1000;
    std::vector<float> out(size_t(frames) * 2);
    vsound::renderLoopback(engine, out.data(), frames);
    Levels levels;
    for (int i = 0; i < frames; ++i) {
        levels.left += double(out[size_t(2 * i)]) * out[size_t(2 * i)];
        levels.right += double(out[size_t(2 * i + 1)]) * out[size_t(2 * i + 1)];
    }
    levels.left = std::sqrt(levels.left / frames);
    levels.right = std::sqrt(levels.right / frames);
    return levels;
}

}  // namespace soundtest
