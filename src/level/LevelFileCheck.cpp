#include "level/LevelFileCheck.h"

#include "level/ConsoleText.h"
#include "level/ContentFile.h"
#include "level/ContentPath.h"
#include "level/MeshFileCheck.h"
#include "level/NodeRules.h"
#include "level/NumberText.h"
#include "level/SandboxedContent.h"
#include "level/XmlScanner.h"

#include <algorithm>
#include <map>

namespace {

// Real levels nest a handful of nodes; Irrlicht's scene loader and every pass over the scene
// graph recurse once per level.
const std::size_t MAX_LEVEL_DEPTH = 512;
const std::size_t LISTED_LINES = 20;
const std::size_t LONGEST_LINE = 600;  // bytes before escaping; every part of a line is cut shorter

// Attribute elements whose value Irrlicht reads as numbers, separated by commas.
bool isNumberAttribute(std::string_view element) {
    static const char* const kinds[] = {"int",   "float",  "colorf",     "vector3d", "vector2d",
                                        "position", "rect", "dimension2d", "matrix", "quaternion",
                                        "box",   "plane",  "triangle",   "line2d",   "line3d"};
    return std::any_of(std::begin(kinds), std::end(kinds), [element](const char* k) { return element == k; });
}

struct Edit {
    std::size_t offset;
    std::size_t length;
    std::string replacement;
};

// The node a line talks about: its name, or its type while no name is known.
struct NodeSeen {
    std::string name;
    std::string type;
    bool leftOut = false;  // of a type the game does not build

    std::string shown() const {
        return name.empty() ? "a \"" + type + "\" node" : "node \"" + name + "\"";
    }
};

class Checker {
public:
    LevelCheck run(std::string_view text);

private:
    void attributeElement(const XmlScanner& xml);
    void nodeStart(const XmlScanner& xml);
    void nodeEnd();
    void report(const std::string& line);
    bool outsideGameFolder(const XmlAttribute& value);

    LevelCheck out;
    std::vector<NodeSeen> nodes;
    std::vector<Edit> edits;
    std::map<std::string, std::string> meshProblems;  // by path, each file read once
};

void Checker::report(const std::string& line) {
    if (out.lines.size() < LISTED_LINES)
        out.lines.push_back(oneLine(line, LONGEST_LINE));
    else
        ++out.unlisted;
}

// A file named outside the game folder is named no more: the node goes without it.
bool Checker::outsideGameFolder(const XmlAttribute& value) {
    std::string path(value.value);
    std::string problem = path.empty() ? std::string() : gameFolderProblem(path);
    if (problem.empty()) return false;
    report("Level: " + nodes.back().shown() + " names " + path.substr(0, 200) + (path.size() > 200 ? "..." : "") +
           ", which " + problem + "; it goes without that file");
    edits.push_back({value.valueOffset, value.value.size(), std::string()});
    return true;
}

void Checker::attributeElement(const XmlScanner& xml) {
    const XmlAttribute* value = xml.attribute("value");
    const XmlAttribute* name = xml.attribute("name");
    if (!value || !name || nodes.empty()) return;
    NodeSeen& node = nodes.back();
    std::string_view element = xml.name();
    if (namesContentFile(element, name->value) && outsideGameFolder(*value)) return;
    if (element == "string" && name->value == "Name" && node.name.empty()) {
        node.name = std::string(value->value.substr(0, 64));
    } else if (element == "string" && name->value == "Mesh" && !value->value.empty()) {
        std::string path(value->value);
        auto known = meshProblems.find(path);
        if (known == meshProblems.end()) known = meshProblems.emplace(path, meshFileProblem(path.c_str())).first;
        if (known->second.empty()) return;
        report("Level: " + node.shown() + " gets no mesh: " + path.substr(0, 200) + " " + known->second);
        edits.push_back({value->valueOffset, value->value.size(), std::string()});
    } else if (element == "texture" && !value->value.empty()) {
        // A missing texture Irrlicht reports and skips itself; a directory it would try to read.
        std::string path(value->value);
        std::string problem = somethingAt(path.c_str()) ? decodedFileProblem(path.c_str(), true) : "";
        if (problem.empty()) return;
        report("Level: " + node.shown() + " gets no " + std::string(name->value.substr(0, 32)) + ": " +
               path.substr(0, 200) + " " + problem);
        edits.push_back({value->valueOffset, value->value.size(), std::string()});
    } else if (auto capped = cappedAttribute(node.type, name->value, value->value)) {
        report("Level: " + node.shown() + " has " + std::string(name->value) + " \"" +
               std::string(value->value.substr(0, 64)) + "\", past what the game allows; " + *capped +
               " is used in its place");
        edits.push_back({value->valueOffset, value->value.size(), *capped});
    } else if (isNumberAttribute(element)) {
        std::string repaired;
        bool bad = false;
        std::size_t at = 0;
        for (;;) {
            std::size_t comma = std::min(value->value.find(',', at), value->value.size());
            std::string_view part = value->value.substr(at, comma - at);
            bool finite = isFiniteNumber(part);
            bad = bad || !finite;
            repaired += finite ? std::string(part) : std::string(" 0");
            if (comma == value->value.size()) break;
            repaired += ',';
            at = comma + 1;
        }
        if (!bad) return;
        std::string shownValue(value->value.substr(0, 64));
        report("Level: " + node.shown() + " has " + std::string(name->value.substr(0, 64)) + " \"" + shownValue +
               "\", not a finite number; 0 is used in its place");
        edits.push_back({value->valueOffset, value->value.size(), repaired});
    }
}

void Checker::nodeStart(const XmlScanner& xml) {
    const XmlAttribute* type = xml.attribute("type");
    nodes.push_back({std::string(), type ? std::string(type->value.substr(0, 32)) : std::string()});
    if (!type || isBuiltNodeType(type->value)) return;
    nodes.back().leftOut = true;
    edits.push_back({type->valueOffset, type->value.size(), LEFT_OUT_NODE_TYPE});
}

// A left-out node is reported at its end, when its name is known.
void Checker::nodeEnd() {
    const NodeSeen& node = nodes.back();
    if (node.leftOut)
        report("Level: " + node.shown() + " is of type \"" + node.type +
               "\", which this game does not build; it is left out and its children stay");
    nodes.pop_back();
}

LevelCheck Checker::run(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        out.problem = "is empty";
        return out;
    }
    XmlScanner xml(text, MAX_LEVEL_DEPTH);
    bool sawScene = false;
    for (XmlScanner::Event event = xml.next(); event != XmlScanner::Done; event = xml.next()) {
        if (event == XmlScanner::Error) {
            out.problem = xml.error();
            return out;
        }
        if (event == XmlScanner::Start && xml.depth() == 1) {
            if (sawScene || xml.name() != "irr_scene") {
                out.problem = "has an element other than one <irr_scene> at its top";
                return out;
            }
            sawScene = true;
        }
        if (event == XmlScanner::Start && xml.name() == "node") {
            nodeStart(xml);
        } else if (event == XmlScanner::Start) {
            attributeElement(xml);
        } else if (event == XmlScanner::End && xml.name() == "node") {
            nodeEnd();
        }
    }
    if (!sawScene) {
        out.problem = "has no <irr_scene> element";
        return out;
    }
    out.text.reserve(text.size());
    std::size_t copied = 0;
    for (const Edit& edit : edits) {
        out.text.append(text.substr(copied, edit.offset - copied));
        out.text.append(edit.replacement);
        copied = edit.offset + edit.length;
    }
    out.text.append(text.substr(copied));
    return out;
}

}  // namespace

LevelCheck checkLevelText(std::string_view text) { return Checker().run(text); }
