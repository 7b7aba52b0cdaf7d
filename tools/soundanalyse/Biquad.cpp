#include "Biquad.h"

#include <algorithm>
#include <cmath>

Biquad::Biquad(Kind kind, double cornerHz, int sampleRate) {
    const double pi = 3.14159265358979323846;
    double corner = std::min(cornerHz, 0.45 * sampleRate);
    double w = 2.0 * pi * corner / sampleRate;
    double cw = std::cos(w);
    double alpha = std::sin(w) / (2.0 * std::sqrt(0.5));
    double a0 = 1.0 + alpha;
    double side = (kind == LowPass ? 1.0 - cw : 1.0 + cw) / 2.0;
    b0 = side / a0;
    b1 = (kind == LowPass ? 2.0 : -2.0) * side / a0;
    b2 = side / a0;
    a1 = -2.0 * cw / a0;
    a2 = (1.0 - alpha) / a0;
}

float Biquad::run(float x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    // A long silence would otherwise decay into denormals and crawl.
    if (std::fabs(y) < 1e-30)
        y = 0.0;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return float(y);
}
