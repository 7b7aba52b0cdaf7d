#include "sound/SoundAnalysisReader.h"

#include "level/ConsoleText.h"
#include "level/ContentFile.h"
#include "level/XmlScanner.h"

#include <tinyxml.h>

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace irr;

namespace {

const int kSlotValues = 5;  // c1, c2, c3, c4, level
const std::uintmax_t kMaxFileBytes = std::uintmax_t(16) << 20;  // an hour of slots is 4 MiB
// The analyser writes slots two deep; TinyXML's parser recurses once per level.
const std::size_t kMaxDepth = 32;

std::string shownFile(const char* fileName, std::string_view emitter) {
    return oneLine(fileName) + (emitter.empty() ? "" : " of emitter \"" + shownName(emitter) + "\"");
}

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

// Counts the slots it had to skip. The depth is bounded by the check before parsing.
void visit(const TiXmlNode* node, std::vector<f32>& levels,
           std::vector<core::vector3df>& colours, std::size_t& skipped) {
    const TiXmlElement* element = node->ToElement();
    if (element && std::strcmp(element->Value(), "slot") == 0) {
        if (!readSlot(element, levels, colours)) ++skipped;
        return;
    }
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling())
        visit(child, levels, colours, skipped);
}

// Empty when TinyXML may parse the text; a missing or broken closing tag, stray bytes or deep
// nesting are found here without recursion.
std::string structureProblem(const std::string& text) {
    XmlScanner xml(text, kMaxDepth);
    XmlScanner::Event event;
    while ((event = xml.next()) != XmlScanner::Done)
        if (event == XmlScanner::Error) return xml.error();
    return std::string();
}

}  // namespace

core::stringc analysisFileName(const core::stringc& soundFileName) {
    if (soundFileName.size() < 3)
        return soundFileName + "xml";
    return soundFileName.subString(0, soundFileName.size() - 3) + "xml";
}

void reportUnusedAnalysis(const char* fileName, std::string_view emitter, const std::string& problem) {
    std::printf("Sound: analysis file %s %s; the emitter shows its own wave instead\n",
                shownFile(fileName, emitter).c_str(), problem.c_str());
}

void readSoundAnalysis(const char* fileName, std::vector<f32>& levels, std::vector<core::vector3df>& colours,
                       std::string_view emitter) {
    auto report = [fileName, emitter](const std::string& problem) { reportUnusedAnalysis(fileName, emitter, problem); };
    ContentFile file = readContentFile(fileName, kMaxFileBytes);
    if (file.missing) return;  // an emitter without analysis is ordinary
    std::string problem = file.problem.empty() ? structureProblem(file.text) : file.problem;
    if (!problem.empty()) return report(problem + " and is not used");

    TiXmlDocument document(fileName);
    document.Parse(file.text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (document.Error())
        return report(std::string("is not XML (") + document.ErrorDesc() + ", line " +
                                    std::to_string(document.ErrorRow()) + ") and is not used");
    std::size_t skipped = 0, before = levels.size();
    visit(&document, levels, colours, skipped);
    if (levels.size() == before)
        report("has no slot with five values");
    else if (skipped)
        std::printf("Sound: analysis file %s has %zu slots without five values; they are skipped\n",
                    shownFile(fileName, emitter).c_str(), skipped);
}
