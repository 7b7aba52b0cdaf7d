#include "DecodeForFuzz.h"

DecoderRun decodeForFuzz(bool image, const std::string& name, std::string_view bytes) {
    return runDecoder(image, name, bytes);
}
