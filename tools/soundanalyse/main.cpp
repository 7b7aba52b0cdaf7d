// velmora_analyse <sound.wav> [...]: writes each sound's analysis file beside it, where the
// game looks for it, so that an emitter playing the sound pulses on its beats.

#include <iostream>
#include <string>
#include <vector>

#include "AnalyseSoundFile.h"

namespace {

const char* const USAGE =
    "usage: velmora_analyse [--force] <sound file> [more sound files ...]\n"
    "Writes each sound's analysis file beside it (drip.wav -> drip.xml): one slot per 100 ms with\n"
    "its band energies and level, so that an emitter playing the sound pulses on its beats.\n"
    "  --force replace analysis files that are there already (they may be edited by hand)\n"
    "  --help  show this and exit\n"
    "  --      every argument after it is a file, even one starting with -\n"
    "Exit code: 0 all written, 1 some file could not be analysed or was there already, 2 a wrong\n"
    "command line.\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> paths;
    bool filesOnly = false, replace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (filesOnly || word.empty() || word[0] != '-') {
            paths.push_back(word);
        } else if (word == "--") {
            filesOnly = true;
        } else if (word == "--force") {
            replace = true;
        } else if (word == "--help" || word == "-h") {
            std::cout << USAGE;
            return 0;
        } else {
            std::cout << "Analyse: unknown option " << word << "\n" << USAGE;
            return 2;
        }
    }
    if (paths.empty()) {
        std::cout << "Analyse: no sound named\n" << USAGE;
        return 2;
    }
    return analyseSoundFiles(paths, std::cout, replace) == 0 ? 0 : 1;
}
