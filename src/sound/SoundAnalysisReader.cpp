#include "sound/SoundAnalysisReader.h"

#include <tinyxml.h>

#include <cmath>
#include <cstring>

using namespace irr;

namespace {

const int kSlotValues = 5;  // c1, c2, c3, c4, level

// Every colour channel stays in [0.4, 1]: the wave manager scales beat pulses by red / blue, and
// a zero, negative or undefined ratio would give pulses that never end.
f32 channel(f32 sum, f32 largest) {
    f32 value = 0.4f + 0.6f * sum / largest;
    if (!(value >= 0.4f))
        return 0.4f;
    return value > 1.0f ? 1.0f : value;
}

bool readSlot(const TiXmlElement* slot, std::vector<f32>& levels,
              std::vector<core::vector3df>& colours) {
    f32 values[kSlotValues];
    const TiXmlElement* child = slot->FirstChildElement();
    for (int i = 0; i < kSlotValues; ++i, child = child->NextSiblingElement()) {
        if (!child || !child->LastAttribute())
            return false;
        values[i] = f32(child->LastAttribute()->DoubleValue());
    }
    f32 s12 = values[0] + values[1];
    f32 s13 = values[0] + values[2];
    f32 s34 = values[2] + values[3];
    f32 largest = core::max_(s12, s13, s34);
    levels.push_back(values[4]);
    if (!(largest > 0.0f) || std::isinf(largest))
        colours.push_back(core::vector3df(0.4f, 0.4f, 0.4f));
    else
        colours.push_back(core::vector3df(channel(s12, largest), channel(s13, largest),
                                          channel(s34, largest)));
    return true;
}

void visit(const TiXmlNode* node, std::vector<f32>& levels,
           std::vector<core::vector3df>& colours) {
    const TiXmlElement* element = node->ToElement();
    if (element && std::strcmp(element->Value(), "slot") == 0) {
        readSlot(element, levels, colours);
        return;
    }
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling())
        visit(child, levels, colours);
}

}  // namespace

core::stringc analysisFileName(const core::stringc& soundFileName) {
    if (soundFileName.size() < 3)
        return soundFileName + "xml";
    return soundFileName.subString(0, soundFileName.size() - 3) + "xml";
}

void readSoundAnalysis(const char* fileName, std::vector<f32>& levels,
                       std::vector<core::vector3df>& colours) {
    TiXmlDocument document(fileName);
    document.LoadFile(TIXML_DEFAULT_ENCODING);
    visit(&document, levels, colours);
}
