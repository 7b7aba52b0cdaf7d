#include "AnalysisFile.h"

#include "SafeFile.h"

#include <tinyxml.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Six significant digits keep the files readable; the game reads them with atof.
void addValue(TiXmlElement& slot, const char* name, const char* attribute, float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", double(value));
    TiXmlElement child(name);
    child.SetAttribute(attribute, text);
    slot.InsertEndChild(child);
}

}  // namespace

std::string analysisPathFor(const std::string& soundPath) {
    if (soundPath.size() < 3)
        return soundPath + "xml";
    return soundPath.substr(0, soundPath.size() - 3) + "xml";
}

bool writeAnalysisFile(const std::string& path, const std::string& soundName,
                       const std::vector<AnalysisSlot>& slots, std::string& error) {
    TiXmlDocument document;
    document.InsertEndChild(TiXmlDeclaration("1.0", "", ""));
    document.InsertEndChild(TiXmlComment(
        " One slot per 100 ms of the sound. Band energies low (below 250 Hz), mid, high and "
        "presence (above 6 kHz) as fractions of the strongest band anywhere in the sound; the "
        "level as a fraction of the loudest slot. Made by velmora_analyse. "));
    TiXmlElement root("soundAnalysis");
    root.SetAttribute("sound", soundName.c_str());
    root.SetAttribute("slotMs", SoundAnalyser::SLOT_MS);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        TiXmlElement slot("slot");
        slot.SetAttribute("ms", int(i) * SoundAnalyser::SLOT_MS);
        addValue(slot, "low", "energy", slots[i].low);
        addValue(slot, "mid", "energy", slots[i].mid);
        addValue(slot, "high", "energy", slots[i].high);
        addValue(slot, "presence", "energy", slots[i].presence);
        addValue(slot, "level", "value", slots[i].level);
        root.InsertEndChild(slot);
    }
    document.InsertEndChild(root);
    return writeThroughTemporary(path, [&](const std::string& temporary) {
        errno = 0;
        if (document.SaveFile(temporary.c_str())) return true;
        error = errno ? std::strerror(errno) : "write failed";
        return false;
    }, error);
}
