#pragma once
// One decode as the helper answers it: through the helper process in the ordinary build, whose
// corpus replay holds files that crash Irrlicht's readers; in this very process in the fuzz
// build, so that libFuzzer sees every branch of the decoding and of the reply's reader.
#include "level/DecoderProcess.h"

DecoderRun decodeForFuzz(bool image, const std::string& name, std::string_view bytes);
