#pragma once

namespace vsound {

// Output driver: the system's default audio device.
enum E_SOUND_OUTPUT_DRIVER { ESOD_AUTO_DETECT = 0 };

// Engine options. Mixing always runs on the audio library's own thread, so the value is
// accepted for call compatibility and changes nothing.
enum E_SOUND_ENGINE_OPTIONS { ESEO_DEFAULT_OPTIONS = 0x3D };

// Every file is decoded whole on first use, whatever the mode.
enum E_STREAM_MODE { ESM_AUTO_DETECT = 0 };

}  // namespace vsound
