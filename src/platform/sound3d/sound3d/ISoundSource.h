#pragma once

namespace vsound {

// A decoded sound file, owned by the engine and valid while the engine lives.
class ISoundSource {
public:
    // The file name exactly as it was passed to play3D.
    virtual const char* getName() const = 0;

protected:
    virtual ~ISoundSource() = default;
};

}  // namespace vsound
