#include "AnalyseSoundFile.h"

#include <sndfile.h>

#include <algorithm>

#include "AnalysisFile.h"
#include "SafeFile.h"
#include "SoundAnalyser.h"

namespace {

const sf_count_t kBlockFrames = 4096;

// libsndfile's messages may end in a newline; each report stays on one line.
std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

std::string baseName(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Mixes every block down to mono, as the game's engine does before playing a file.
bool analyse(SNDFILE* file, const SF_INFO& info, std::vector<AnalysisSlot>& slots) {
    SoundAnalyser analyser(info.samplerate);
    std::vector<float> block(std::size_t(kBlockFrames * info.channels));
    std::vector<float> mono(static_cast<std::size_t>(kBlockFrames));
    bool any = false;
    sf_count_t read;
    while ((read = sf_readf_float(file, block.data(), kBlockFrames)) > 0) {
        for (sf_count_t frame = 0; frame < read; ++frame) {
            float sum = 0.0f;
            for (int channel = 0; channel < info.channels; ++channel)
                sum += block[std::size_t(frame * info.channels + channel)];
            mono[std::size_t(frame)] = sum / float(info.channels);
        }
        analyser.feed(mono.data(), std::size_t(read));
        any = true;
    }
    slots = analyser.slots();
    return any;
}

}  // namespace

bool analyseSoundFile(const std::string& soundPath, std::ostream& out, bool replace) {
    const std::string analysisPath = analysisPathFor(soundPath);
    if (analysisPath == soundPath) {
        out << "Analyse: " << soundPath
            << ": its analysis would overwrite the sound itself; skipped\n";
        return false;
    }
    if (!replace && existsAlready(analysisPath)) {
        out << "Analyse: " << analysisPath << " exists; not replaced, no analysis written for " << soundPath
            << " (--force replaces it)\n";
        return false;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(soundPath.c_str(), SFM_READ, &info);
    if (!file) {
        out << "Analyse: " << soundPath << ": cannot read it as sound ("
            << oneLine(sf_strerror(nullptr)) << "); no analysis written\n";
        return false;
    }
    std::vector<AnalysisSlot> slots;
    bool heard = info.channels > 0 && info.samplerate > 0 && analyse(file, info, slots);
    sf_close(file);
    if (!heard) {
        out << "Analyse: " << soundPath << ": holds no sound; no analysis written\n";
        return false;
    }
    std::string error;
    if (!writeAnalysisFile(analysisPath, baseName(soundPath), slots, error)) {
        out << "Analyse: " << analysisPath << ": cannot write (" << oneLine(error)
            << "); no analysis written for " << soundPath << "\n";
        return false;
    }
    out << "Analyse: wrote " << analysisPath << " (" << slots.size() << " slots)\n";
    return true;
}

int analyseSoundFiles(const std::vector<std::string>& soundPaths, std::ostream& out, bool replace) {
    int failed = 0;
    for (const std::string& path : soundPaths)
        if (!analyseSoundFile(path, out, replace))
            ++failed;
    return failed;
}
