#include "SoundFiles.h"

#include "harness/ProcessEnvironment.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <thread>

namespace soundtest {

namespace {
// Removed with everything in it when the test process ends.
struct ScratchDir {
    std::string path;
    ScratchDir() {
        path = (std::filesystem::temp_directory_path() / ("velmora_sound_" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(path);
    }
    ~ScratchDir() { std::filesystem::remove_all(path); }
};
}  // namespace

const std::string& scratchDir() {
    static const ScratchDir dir;
    return dir.path;
}

std::string scratchPath(const std::string& name) { return scratchDir() + "/" + name; }

void useWaveFileBackend(const std::string& general) {
    std::ofstream(scratchPath("alsoft.conf")) << "[general]\ndrivers=wave\n" << general
                                              << "[wave]\nfile=" << scratchPath("heard.wav")
                                              << "\n";
    setProcessEnvironment("ALSOFT_CONF", scratchPath("alsoft.conf").c_str());
}

std::string playNoiseOnDefaultDevice(vsound::vec3df where) {
    writeNoise(scratchPath("noise.wav"), 0.3);
    testing::internal::CaptureStdout();
    vsound::ISoundEngine* engine = vsound::createIrrKlangDevice();
    std::string printed = testing::internal::GetCapturedStdout();
    if (!engine)
        return printed;
    vsound::ISound* sound =
        engine->play3D(scratchPath("noise.wav").c_str(), where, false, false, true);
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sound && !sound->isFinished() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (sound)
        sound->drop();
    engine->drop();
    return printed;
}

void writeSamples(const std::string& path, const std::vector<float>& samples, int channels, int format) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << path;
    sf_writef_float(file, samples.data(), sf_count_t(samples.size()) / channels);
    sf_close(file);
}

void writeTone(const std::string& path, double seconds, int channels) {
    int frames = int(seconds * kRate);
    std::vector<float> samples(size_t(frames * channels), 0.0f);
    for (int i = 0; i < frames; ++i)
        samples[size_t(i * channels)] = 0.5f * std::sin(2.0f * float(M_PI) * 440.0f * i / kRate);
    writeSamples(path, samples, channels);
}

void writeNoise(const std::string& path, double seconds) {
    std::vector<float> samples(size_t(seconds * kRate));
    uint32_t state = 12345;
    for (float& sample : samples) {
        state = state * 1664525u + 1013904223u;
        sample = 0.5f * (float(state >> 8) / float(1 << 24) * 2.0f - 1.0f);
    }
    writeSamples(path, samples, 1);
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

Levels levelsOf(const std::vector<float>& stereo) {
    size_t frames = stereo.size() / 2;
    Levels levels;
    for (size_t i = 0; i < frames; ++i) {
        levels.left += double(stereo[2 * i]) * stereo[2 * i];
        levels.right += double(stereo[2 * i + 1]) * stereo[2 * i + 1];
    }
    if (frames > 0) {
        levels.left = std::sqrt(levels.left / double(frames));
        levels.right = std::sqrt(levels.right / double(frames));
    }
    return levels;
}

std::vector<float> renderStereo(vsound::ISoundEngine* engine, int ms) {
    int frames = kRate * ms / 1000;
    std::vector<float> out(size_t(frames) * 2);
    vsound::renderLoopback(engine, out.data(), frames);
    return out;
}

Levels renderLevels(vsound::ISoundEngine* engine, int ms) {
    return levelsOf(renderStereo(engine, ms));
}

Ears compareEars(const std::vector<float>& stereo, int rate) {
    const long frames = long(stereo.size() / 2);
    const long maxLag = rate / 500;  // 2 ms, beyond any head
    long bestLag = 0;
    double best = -1.0;
    for (long lag = -maxLag; lag <= maxLag; ++lag) {
        double sum = 0.0;
        for (long i = std::max(0L, -lag); i < std::min(frames, frames - lag); ++i)
            sum += double(stereo[size_t(2 * (i + lag))]) * stereo[size_t(2 * i + 1)];
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    Levels levels = levelsOf(stereo);
    return {1000.0 * double(bestLag) / rate, levels.right > 0 ? levels.left / levels.right : 0.0};
}

}  // namespace soundtest
