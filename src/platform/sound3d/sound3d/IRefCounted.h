#pragma once

namespace vsound {

// Reference counting as the engine's clients expect: the creator holds the first reference,
// every further holder grabs one, and the last drop destroys the object.
class IRefCounted {
public:
    IRefCounted() = default;
    IRefCounted(const IRefCounted&) = delete;
    IRefCounted& operator=(const IRefCounted&) = delete;

    void grab() const { ++refCount; }

    // Returns true when this call destroyed the object.
    bool drop() const {
        if (--refCount == 0) {
            delete this;
            return true;
        }
        return false;
    }

    int getReferenceCount() const { return refCount; }

protected:
    virtual ~IRefCounted() = default;

private:
    mutable int refCount = 1;
};

}  // namespace vsound
