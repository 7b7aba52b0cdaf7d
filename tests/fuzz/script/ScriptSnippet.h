#pragma once
// Turns fuzz bytes into an object's script. Bytes that begin with "--" are a script already (the
// hand-written cases in the corpus); any others choose statements that call the library and game
// functions with extreme arguments, placed in OnCreate, OnTick or OnUse.

#include <cstddef>
#include <cstdint>
#include <string>

std::string scriptFromBytes(const uint8_t* data, size_t size);
