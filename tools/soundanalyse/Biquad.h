#pragma once

// A second-order Butterworth low- or high-pass section, run sample by sample; the state carries
// over between calls, so a sound can be fed in blocks of any size.
class Biquad {
public:
    enum Kind { LowPass, HighPass };

    // cornerHz is held below 0.45 of the sample rate, where the section stays stable.
    Biquad(Kind kind, double cornerHz, int sampleRate);

    float run(float x);

private:
    double b0, b1, b2, a1, a2;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};
