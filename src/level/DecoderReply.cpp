#include "level/DecoderReply.h"

#include "level/LevelCaps.h"

#include <cmath>
#include <cstring>

namespace {

const char MAGIC[4] = {'V', 'D', 'R', '1'};

template <typename T>
void put(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Reads what a reply holds, front to back; any read past its end fails and sticks.
class ReplyReader {
public:
    explicit ReplyReader(std::string_view bytes) : rest(bytes) {}

    bool take(void* out, std::size_t size) {
        if (rest.size() < size) return false;
        if (size == 0) return true;  // an empty reply or vector may have no storage at all
        std::memcpy(out, rest.data(), size);
        rest.remove_prefix(size);
        return true;
    }
    bool count(std::uint32_t& value, std::size_t itemBytes) {
        // A count is believed only as far as the bytes that follow can hold its items.
        return take(&value, sizeof value) && std::size_t(value) <= rest.size() / itemBytes;
    }
    std::size_t left() const { return rest.size(); }

private:
    std::string_view rest;
};

bool finite(const float* values, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (!std::isfinite(values[i])) return false;
    return true;
}

std::string readBuffer(ReplyReader& in, DecodedBuffer& buffer) {
    std::uint32_t vertexCount = 0, indexCount = 0, nameLength = 0;
    if (!in.count(vertexCount, sizeof(DecodedVertex)) || !in.count(indexCount, sizeof(std::uint32_t)) ||
        !in.count(nameLength, 1))
        return "holds fewer bytes than its counts claim";
    if (nameLength > MAX_TEXTURE_NAME) return "names a texture longer than any path";
    if (indexCount % 3) return "has indices that are not whole triangles";
    buffer.texture.resize(nameLength);
    buffer.vertices.resize(vertexCount);
    buffer.indices.resize(indexCount);
    if (!in.take(buffer.texture.data(), nameLength) ||
        !in.take(buffer.vertices.data(), vertexCount * sizeof(DecodedVertex)) ||
        !in.take(buffer.indices.data(), indexCount * sizeof(std::uint32_t)))
        return "holds fewer bytes than its counts claim";
    if (buffer.texture.find('\0') != std::string::npos) return "names a texture with a zero byte";
    for (const DecodedVertex& v : buffer.vertices)
        if (!finite(v.position, 3) || !finite(v.normal, 3) || !finite(v.uv, 2))
            return "has a vertex that is not a finite number";
    for (std::uint32_t index : buffer.indices)
        if (index >= vertexCount) return "has an index that names no vertex";
    return std::string();
}

std::string readMesh(ReplyReader& in, DecodedContent& out) {
    std::uint32_t bufferCount = 0;
    if (!in.count(bufferCount, 3 * sizeof(std::uint32_t))) return "holds fewer bytes than its counts claim";
    if (bufferCount > MAX_DECODED_BUFFERS) return "has more mesh buffers than a mesh may have";
    out.buffers.resize(bufferCount);
    for (DecodedBuffer& buffer : out.buffers) {
        std::string problem = readBuffer(in, buffer);
        if (!problem.empty()) return problem;
    }
    return std::string();
}

std::string readImage(ReplyReader& in, DecodedContent& out) {
    if (!in.take(&out.width, 4) || !in.take(&out.height, 4)) return "is cut off";
    if (out.width == 0 || out.height == 0 || out.width > MAX_IMAGE_SIDE || out.height > MAX_IMAGE_SIDE)
        return "has an image size no texture may have";
    std::size_t pixelCount = std::size_t(out.width) * out.height;
    if (in.left() < pixelCount * 4) return "holds fewer pixels than its size claims";
    out.pixels.resize(pixelCount);
    in.take(out.pixels.data(), pixelCount * 4);
    return std::string();
}

std::string refusalText(DecoderRefusal why) {
    switch (why) {
    case NO_READER:
        return "was not decoded (no reader knows its kind of file)";
    case TOO_MANY_TRIANGLES:
        return "was not decoded (it has more triangles than the " + std::to_string(kMostLevelTriangles) +
               " a level may have)";
    case RUNS_PAST_IMAGE:
        return "was not decoded (its run-length data runs past the image)";
    default:
        return "was not decoded (its reader refused it)";
    }
}

}  // namespace

std::string encodeMeshReply(const std::vector<DecodedBuffer>& buffers) {
    std::string out(MAGIC, sizeof MAGIC);
    out += 'M';
    put(out, std::uint32_t(buffers.size()));
    for (const DecodedBuffer& buffer : buffers) {
        put(out, std::uint32_t(buffer.vertices.size()));
        put(out, std::uint32_t(buffer.indices.size()));
        put(out, std::uint32_t(buffer.texture.size()));
        out += buffer.texture;
        out.append(reinterpret_cast<const char*>(buffer.vertices.data()), buffer.vertices.size() * sizeof(DecodedVertex));
        out.append(reinterpret_cast<const char*>(buffer.indices.data()), buffer.indices.size() * sizeof(std::uint32_t));
    }
    return out;
}

std::string encodeImageReply(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& pixels) {
    std::string out(MAGIC, sizeof MAGIC);
    out += 'I';
    put(out, width);
    put(out, height);
    out.append(reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof(std::uint32_t));
    return out;
}

std::string encodeRefusal(DecoderRefusal why) {
    std::string out(MAGIC, sizeof MAGIC);
    out += 'R';
    put(out, why);
    return out;
}

DecodedContent readReply(std::string_view reply, bool wantImage) {
    DecodedContent out;
    ReplyReader in(reply);
    char magic[4];
    char kind = 0;
    if (!in.take(magic, 4) || std::memcmp(magic, MAGIC, 4) != 0 || !in.take(&kind, 1)) {
        out.problem = "was not decoded (its reader handed back nothing usable)";
        return out;
    }
    std::uint8_t why = 0;
    if (kind == 'R' && in.take(&why, 1) && why <= RUNS_PAST_IMAGE)
        out.problem = refusalText(DecoderRefusal(why));
    else if (kind == (wantImage ? 'I' : 'M'))
        out.problem = wantImage ? readImage(in, out) : readMesh(in, out);
    else
        out.problem = "handed back something else than was asked";
    if (out.problem.empty() && in.left()) out.problem = "has bytes past its end";
    if (!out.problem.empty() && out.problem.rfind("was not", 0) != 0)
        out.problem = "was not decoded (its reader's reply " + out.problem + ")";
    if (!out.problem.empty()) {
        out.buffers.clear();
        out.pixels.clear();
    }
    return out;
}
