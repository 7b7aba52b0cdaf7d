// velmora_analyse <sound.wav> [...]: writes each sound's analysis file beside it, where the
// game looks for it, so that an emitter playing the sound pulses on its beats.

#include <iostream>
#include <string>
#include <vector>

#include "AnalyseSoundFile.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cout << "Analyse: no sound named; usage: velmora_analyse <sound.wav> [...]\n";
        return 2;
    }
    std::vector<std::string> paths(argv + 1, argv + argc);
    return analyseSoundFiles(paths, std::cout) == 0 ? 0 : 1;
}
