#include "TestSounds.h"

#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

namespace analysetest {

const double kPi = 3.14159265358979323846;

std::string scratchPath(const std::string& name) {
    static const std::string dir = [] {
        auto folder = std::filesystem::temp_directory_path() / ("velmora_analyse_" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        return folder.string();
    }();
    return dir + "/" + name;
}

std::vector<float> clicks(int rate, double seconds, const std::vector<Click>& train) {
    std::vector<float> out(size_t(seconds * rate), 0.0f);
    for (const Click& click : train) {
        size_t start = size_t(std::lround(click.at * rate));
        for (size_t i = 0; i < size_t(click.tauMs * rate / 200.0); ++i) {
            double t = double(i) / rate;
            out.at(start + i) += float(click.gain * std::fmin(1.0, t * 1000.0) *
                                       std::exp(-t * 1000.0 / click.tauMs) *
                                       std::sin(2.0 * kPi * click.hz * t));
        }
    }
    return out;
}

void writeWave(const std::string& path, const std::vector<float>& mono, int rate, int channels) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<float> frames;
    for (float sample : mono)
        frames.insert(frames.end(), size_t(channels), sample);
    sf_writef_float(file, frames.data(), sf_count_t(mono.size()));
    sf_close(file);
}

}  // namespace analysetest
