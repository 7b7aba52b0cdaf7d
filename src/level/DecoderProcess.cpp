#include "level/DecoderProcess.h"

#include "level/DecoderLaunch.h"

#include <cstdint>

namespace {

std::string chosenProgram;

std::string decoderProgram() {
    if (!chosenProgram.empty()) return chosenProgram;
    std::string self = runningProgram();
    std::size_t folderEnd = self.find_last_of("/\\");
    if (folderEnd != std::string::npos) {
        std::string beside = self.substr(0, folderEnd + 1) + VELMORA_DECODER_NAME;
        if (isProgram(beside)) return beside;
    }
    return VELMORA_DECODER_BUILT;
}

}  // namespace

std::string helperNotStarted() { return "was not decoded (the decoding helper cannot be started)"; }

std::string helperOverReply() {
    return "was not decoded (its reader handed back more than " + std::to_string(DECODER_REPLY_BYTES >> 20) + " MiB)";
}

std::string helperOverTime() {
    return "was not decoded (its reader took longer than " + std::to_string(DECODER_SECONDS) + " s)";
}

std::string helperOverProcessorTime() {
    return "was not decoded (its reader used more than " + std::to_string(DECODER_SECONDS) + " s of processor time)";
}

std::string helperCrashed() { return "was not decoded (its reader crashed or ran out of memory)"; }

void useDecoderProgram(const std::string& path) { chosenProgram = path; }

DecoderRun runDecoder(bool image, std::string_view name, std::string_view bytes) {
    DecoderRun run;
    std::string request(1, image ? 'I' : 'M');
    std::uint32_t nameLength = std::uint32_t(name.size());
    request.append(reinterpret_cast<const char*>(&nameLength), sizeof nameLength);
    request.append(name);
    request.append(bytes);
    converseWithHelper(decoderProgram(), request, run);
    if (!run.problem.empty()) run.reply.clear();
    return run;
}
