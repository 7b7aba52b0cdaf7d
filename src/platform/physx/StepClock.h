#pragma once
// Cuts elapsed time into fixed sub-steps. The part of a sub-step left over waits for the
// next call; whole sub-steps beyond the maximum are dropped, so a long hitch costs one
// bounded step instead of a backlog that would slow every following frame.

namespace vphysx {

class StepClock {
public:
    StepClock(double stepLength, unsigned maxSteps) : length(stepLength), most(maxSteps) {}

    // Sub-steps to run now for elapsed seconds (not negative).
    unsigned advance(double elapsed);
    double stepLength() const { return length; }

private:
    double length;
    unsigned most;
    double left = 0;
};

}  // namespace vphysx
