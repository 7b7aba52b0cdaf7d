#pragma once
// The decoding helper's work, apart from its process: one request in, one reply out
// (DecoderReply). The helper's main runs it on what the game sent; the decoding fuzz target
// runs it in its own process, where the fuzzer sees every branch it takes.

#include <string>
#include <string_view>

// `image` asks for an image, else a mesh; `name` is the file's name (its extension picks the
// reader), `bytes` its content. Empty when no device can be made to decode with.
std::string decodeRequest(bool image, const std::string& name, std::string_view bytes);
