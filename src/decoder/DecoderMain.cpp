// velmora-decode: decodes one mesh or image file for the game with Irrlicht's own readers, so
// that a reader a hostile file crashes or hangs takes down only this short-lived process. The
// game starts it under limits, writes the request to its standard input (a socket) and reads
// the reply from the same socket (DecoderReply). Standard output and error go nowhere.
//
// The request: one kind byte ('M' mesh, 'I' image), u32 name length, the file's name (its
// extension picks the reader), then the file's bytes up to the end of the input.
#include "decoder/Decode.h"

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

const std::size_t MAX_REQUEST_BYTES = std::size_t(80) << 20;

std::string readRequest() {
    std::string in;
    char chunk[65536];
    ssize_t n;
    while ((n = read(0, chunk, sizeof chunk)) > 0 && in.size() <= MAX_REQUEST_BYTES) in.append(chunk, std::size_t(n));
    return in;
}

void reply(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = write(0, bytes.data() + sent, bytes.size() - sent);
        if (n <= 0) break;
        sent += std::size_t(n);
    }
}

}  // namespace

int main() {
    std::string request = readRequest();
    std::uint32_t nameLength = 0;
    if (request.size() < 5 || request.size() > MAX_REQUEST_BYTES) _exit(2);
    std::memcpy(&nameLength, request.data() + 1, 4);
    if (nameLength > request.size() - 5) _exit(2);
    std::string name = request.substr(5, nameLength);
    std::string_view bytes = std::string_view(request).substr(5 + std::size_t(nameLength));
    std::string decoded = decodeRequest(request[0] == 'I', name, bytes);
    if (decoded.empty()) _exit(3);
    reply(decoded);
    // Nothing the helper holds needs tidying: the process ends here.
    _exit(0);
}
