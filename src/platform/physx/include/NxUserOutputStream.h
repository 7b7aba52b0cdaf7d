#pragma once
// Receives the SDK's warnings about calls it refuses. Without one they go to standard output.

namespace vphysx {

class NxUserOutputStream {
public:
    virtual ~NxUserOutputStream() {}
    virtual void print(const char* message) = 0;  // one line, no line feed
};

}  // namespace vphysx
