#include "level/MeshFileCheck.h"

#include "level/ContentFile.h"
#include "level/ContentPath.h"
#include "level/NumberText.h"
#include "level/SandboxedContent.h"
#include "level/XmlScanner.h"

#include <vector>

namespace {

const std::uintmax_t MAX_MESH_BYTES = std::uintmax_t(64) << 20;
const std::size_t MAX_MESH_DEPTH = 64;  // a real mesh file nests five deep
const std::size_t COLOUR_FIELD = 6;     // position, normal, then the colour

// Numbers per vertex of each type Irrlicht knows, by its name in the file.
long fieldsOfType(std::string_view type) {
    if (type == "standard") return 9;
    if (type == "2tcoords") return 11;
    if (type == "tangents") return 15;
    return 0;
}

std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    const char* space = " \t\r\n";
    while ((at = text.find_first_not_of(space, at)) != std::string_view::npos) {
        std::size_t end = text.find_first_of(space, at);
        if (end == std::string_view::npos) end = text.size();
        out.push_back(text.substr(at, end - at));
        at = end;
    }
    return out;
}

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
    std::vector<std::string_view> numbers = tokens(text);
    std::size_t needed = std::size_t(buffer.vertexCount) * std::size_t(buffer.fields);
    if (numbers.size() < needed)
        return "says " + std::to_string(buffer.vertexCount) + " vertices but holds fewer";
    for (std::size_t i = 0; i < needed; ++i) {
        bool colour = i % std::size_t(buffer.fields) == COLOUR_FIELD;
        if (colour ? !isHexColour(numbers[i]) : !isPlainDecimal(numbers[i]))
            return "has a vertex value " + shown(numbers[i]) + " that is not a plain number";
    }
    return std::string();
}

std::string checkIndices(const Buffer& buffer, long indexCount, std::string_view text) {
    std::vector<std::string_view> numbers = tokens(text);
    if (numbers.size() < std::size_t(indexCount))
        return "says " + std::to_string(indexCount) + " indices but holds fewer";
    for (long i = 0; i < indexCount; ++i) {
        long index = 0;
        if (!readCount(numbers[std::size_t(i)], index) || index >= buffer.vertexCount)
            return "has an index " + shown(numbers[std::size_t(i)]) + " that names no vertex";
    }
    return std::string();
}

// A missing texture Irrlicht reports and skips itself; a directory it would try to read whole.
std::string textureProblem(const XmlAttribute* value) {
    if (!value || value->value.empty()) return std::string();
    std::string path(value->value);
    if (!insideGameFolder(path)) return "names a texture " + shown(value->value) + " outside the game folder";
    if (!somethingAt(path.c_str())) return std::string();
    std::string problem = contentFileProblem(path.c_str(), MAX_MESH_BYTES);
    return problem.empty() ? problem : "names a texture " + shown(value->value) + " that " + problem;
}

}  // namespace

std::string meshTextProblem(std::string_view text) {
    XmlScanner xml(text, MAX_MESH_DEPTH);
    std::vector<Buffer> buffers(1);  // the outermost stands for sections outside any buffer
    Section section;
    bool sawMesh = false;
    std::string problem;
    for (XmlScanner::Event event = xml.next(); problem.empty(); event = xml.next()) {
        if (event == XmlScanner::Error) return xml.error();
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
            problem = textureProblem(xml.attribute("value"));
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
            buffer.hasIndices = true;
            section.kind = Section::Indices;
        }
    }
    if (problem.empty() && !sawMesh) problem = "has no <mesh> element";
    return problem;
}

std::string meshFileProblem(const char* path) {
    if (meshDecodedInHelper(path)) return decodedFileProblem(path, false);
    ContentFile file = readContentFile(path, MAX_MESH_BYTES);
    return file.problem.empty() ? meshTextProblem(file.text) : file.problem;
}
