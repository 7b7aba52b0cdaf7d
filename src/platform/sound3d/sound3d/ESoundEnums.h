#pragma once

namespace vsound {

// Output driver: the system's default audio device.
enum E_SOUND_OUTPUT_DRIVER { ESOD_AUTO_DETECT = 0 };

// Engine options. Mixing always runs on the audio library's own thread, so the flags are
// accepted for call compatibility and change nothing.
enum E_SOUND_ENGINE_OPTIONS { ESEO_MULTI_THREADED = 0x01, ESEO_DEFAULT_OPTIONS = 0x3D };

// Every file is decoded whole on first use, whatever the mode.
enum E_STREAM_MODE { ESM_AUTO_DETECT = 0, ESM_STREAMING, ESM_NO_STREAMING };

}  // namespace vsound
