#include "StepClock.h"

#include <cmath>

namespace vphysx {

unsigned StepClock::advance(double elapsed)
{
    left += elapsed;
    // Frame times arrive as floats: 0.05 s must make three sub-steps of 1/60 s, not two.
    double whole = std::floor(left / length + 1e-6);
    left = std::fmax(0.0, left - whole * length);
    return whole > most ? most : unsigned(whole);
}

}  // namespace vphysx
