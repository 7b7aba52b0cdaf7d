#include "DecodeForFuzz.h"

#include "decoder/Decode.h"

DecoderRun decodeForFuzz(bool image, const std::string& name, std::string_view bytes) {
    DecoderRun run;
    run.reply = decodeRequest(image, name, bytes);
    if (run.reply.empty()) run.problem = "was not decoded (no device to decode with)";
    return run;
}
