#pragma once
// The analyser's work on whole files: read a sound of any channel count and rate, hear it as
// the game does (channels mixed down to one), and write its analysis beside it.

#include <ostream>
#include <string>
#include <vector>

// Writes one line to `out` starting "Analyse: ": what was written, or what was wrong and that
// no analysis was written. An analysis file that is there already (perhaps edited by hand) is
// replaced only when `replace` is set. True when the analysis file was written.
bool analyseSoundFile(const std::string& soundPath, std::ostream& out, bool replace = false);

// Every file in turn, going on past failures. Returns how many failed.
int analyseSoundFiles(const std::vector<std::string>& soundPaths, std::ostream& out, bool replace = false);
