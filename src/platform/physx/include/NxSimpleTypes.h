#pragma once
// Scalar types and constants of the physics SDK interface.

#include <cstdint>

namespace vphysx {

typedef float NxReal;
typedef float NxF32;
typedef double NxF64;
typedef double NxExtended;
typedef std::uint8_t NxU8;
typedef std::uint16_t NxU16;
typedef std::uint32_t NxU32;
typedef std::int32_t NxI32;
typedef NxU16 NxMaterialIndex;
typedef NxU16 NxCollisionGroup;  // 0..31

// Version the game asks for: major 2, minor 8, bugfix 1.
const NxU32 NX_PHYSICS_SDK_VERSION = 0x02080100;

// Wake counter, in seconds, that wakeUp gives an actor by default.
const NxReal NX_SLEEP_INTERVAL = 0.4f;

}  // namespace vphysx
