#include "level/MeshFileCheck.h"

#include "level/ConsoleText.h"
#include "level/ContentFile.h"
#include "level/ContentPath.h"
#include "level/LevelCaps.h"
#include "level/NumberText.h"
#include "level/SandboxedContent.h"
#include "level/XmlScanner.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const std::size_t MAX_MESH_DEPTH = 64;  // a real mesh file nests five deep
const std::size_t COLOUR_FIELD = 6;     // position, normal, then the colour

// Numbers per vertex of each type Irrlicht knows, by its name in the file.
long fieldsOfType(std::string_view type) {
    if (type == "standard") return 9;
    if (type == "2tcoords") return 11;
    if (type == "tangents") return 15;
    return 0;
}

// The numbers of a section one by one, without holding them all: a section may be megabytes.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text(text) {}

    bool next(std::string_view& token) {
        const char* space = " \t\r\n";
        at = text.find_first_not_of(space, at);
        if (at == std::string_view::npos) return false;
        std::size_t end = std::min(text.find_first_of(space, at), text.size());
        token = text.substr(at, end - at);
        at = end;
        return true;
    }

private:
    std::string_view text;
    std::size_t at = 0;
};

std::string shown(std::string_view value) {
    return "\"" + std::string(value.substr(0, 32)) + (value.size() > 32 ? "...\"" : "\"");
}

// One mesh buffer as the checker has seen it so far.
struct Buffer {
    bool hasVertices = false;
    bool hasIndices = false;
    long vertexCount = 0;
    long fields = 0;
};

// What a vertices or indices element is waiting for: its one run of numbers.
struct Section {
    enum Kind { None, Vertices, Indices } kind = None;
    long count = 0;
    int textRuns = 0;
    std::string_view text;
};

std::string checkVertices(const Buffer& buffer, std::string_view text) {
    Tokens numbers(text);
    std::string_view number;
    const std::size_t needed = std::size_t(buffer.vertexCount) * std::size_t(buffer.fields);
    for (std::size_t i = 0; i < needed; ++i) {
        if (!numbers.next(number)) return "says " + std::to_string(buffer.vertexCount) + " vertices but holds fewer";
        bool colour = i % std::size_t(buffer.fields) == COLOUR_FIELD;
        if (colour ? !isHexColour(number) : !isPlainDecimal(number))
            return "has a vertex value " + shown(number) + " that is not a plain number";
    }
    return std::string();
}

std::string checkIndices(const Buffer& buffer, long indexCount, std::string_view text) {
    Tokens numbers(text);
    std::string_view number;
    for (long i = 0; i < indexCount; ++i) {
        if (!numbers.next(number)) return "says " + std::to_string(indexCount) + " indices but holds fewer";
        long index = 0;
        if (!readCount(number, index) || index >= buffer.vertexCount)
            return "has an index " + shown(number) + " that names no vertex";
    }
    return std::string();
}

// A missing texture Irrlicht reports and skips itself; a directory it would try to read whole.
// One outside the game folder is not a problem of the mesh: it is left out (see MeshText).
std::string textureProblem(const XmlAttribute& value) {
    std::string path(value.value);
    if (!somethingAt(path.c_str())) return std::string();
    std::string problem = contentFileProblem(path.c_str(), MAX_MESH_BYTES);
    return problem.empty() ? problem : "names a texture " + shown(value.value) + " that " + problem;
}

// Irrlicht reads every count whole before it reads a number: what no level may hold is refused
// from the counts alone.
std::string countProblem(long& total, long count, long cap, const char* what) {
    total += count;
    if (total <= cap) return std::string();
    return "has more " + std::string(what) + " than the " + std::to_string(cap) + " a level may have";
}

const long MOST_VERTICES = 3 * long(kMostLevelTriangles);

}  // namespace

MeshText checkMeshText(std::string_view text) {
    MeshText out;
    XmlScanner xml(text, MAX_MESH_DEPTH);
    std::vector<Buffer> buffers(1);  // the outermost stands for sections outside any buffer
    Section section;
    bool sawMesh = false;
    long vertices = 0, triangles = 0;
    std::string& problem = out.problem;
    for (XmlScanner::Event event = xml.next(); problem.empty(); event = xml.next()) {
        if (event == XmlScanner::Error) {
            problem = xml.error();
            break;
        }
        if (event == XmlScanner::Done) break;
        if (event == XmlScanner::Text) {
            if (section.kind != Section::None && section.textRuns++ == 0) section.text = xml.text();
            else if (section.kind != Section::None) problem = "has a comment inside its numbers";
            continue;
        }
        std::string_view name = xml.name();
        Buffer& buffer = buffers.back();
        if (event == XmlScanner::End) {
            if (section.kind == Section::Vertices) problem = checkVertices(buffer, section.text);
            if (section.kind == Section::Indices) problem = checkIndices(buffer, section.count, section.text);
            section = Section();
            if (name == "buffer") buffers.pop_back();
            continue;
        }
        if (section.kind != Section::None) {
            problem = "has an element inside its numbers";
        } else if (name == "mesh") {
            sawMesh = true;
        } else if (name == "texture") {
            const XmlAttribute* value = xml.attribute("value");
            if (!value || value->value.empty()) continue;
            if (insideGameFolder(std::string(value->value))) {
                problem = textureProblem(*value);
            } else {
                out.outsideTextures.emplace_back(value->value);
                out.edits.push_back({value->valueOffset, value->value.size()});
            }
        } else if (name == "buffer") {
            // Irrlicht ends a buffer at the first </buffer>, whatever opened it.
            if (buffers.size() > 1) problem = "has a buffer inside a buffer";
            buffers.emplace_back();
        } else if (name == "vertices") {
            const XmlAttribute* type = xml.attribute("type");
            const XmlAttribute* count = xml.attribute("vertexCount");
            buffer.fields = type ? fieldsOfType(type->value) : 0;
            if (buffer.hasVertices)
                problem = "has a buffer with two vertex sections";
            else if (!buffer.fields)
                problem = "has a vertex type " + (type ? shown(type->value) : std::string("of none")) +
                          " that Irrlicht does not know";
            else if (!count || !readCount(count->value, buffer.vertexCount))
                problem = "has a vertexCount " + (count ? shown(count->value) : std::string("of none")) +
                          " that is not a count";
            else
                problem = countProblem(vertices, buffer.vertexCount, MOST_VERTICES, "vertices");
            buffer.hasVertices = true;
            section.kind = Section::Vertices;
        } else if (name == "indices") {
            const XmlAttribute* count = xml.attribute("indexCount");
            if (!buffer.hasVertices)
                problem = "has indices before their vertices";
            else if (buffer.hasIndices)
                problem = "has a buffer with two index sections";
            else if (!count || !readCount(count->value, section.count))
                problem = "has an indexCount " + (count ? shown(count->value) : std::string("of none")) +
                          " that is not a count";
            else
                problem = countProblem(triangles, (section.count + 2) / 3, long(kMostLevelTriangles), "triangles");
            buffer.hasIndices = true;
            section.kind = Section::Indices;
        }
    }
    if (problem.empty() && !sawMesh) problem = "has no <mesh> element";
    return out;
}

std::string withoutOutsideTextures(std::string_view text, const MeshText& check) {
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0;
    for (const MeshText::Cut& cut : check.edits) {
        out.append(text.substr(copied, cut.offset - copied));
        copied = cut.offset + cut.length;
    }
    out.append(text.substr(copied));
    return out;
}

void reportTextureLeftOut(const std::string& meshName, const std::string& texture, const std::string& problem) {
    std::printf("Level: mesh %s names the texture %s, which %s; it is drawn without it\n", oneLine(meshName, 200).c_str(),
                oneLine(texture, 200).c_str(), problem.c_str());
}

std::string meshTextProblem(std::string_view text) { return checkMeshText(text).problem; }

std::string meshFileProblem(const char* path) {
    if (meshDecodedInHelper(path)) return decodedFileProblem(path, false);
    ContentFile file = readContentFile(path, MAX_MESH_BYTES);
    return file.problem.empty() ? meshTextProblem(file.text) : file.problem;
}
