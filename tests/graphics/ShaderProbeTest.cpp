// A shader file that loops for long per pixel is refused at load by the probe draw, with one
// line, before it draws a frame; the level keeps its plain materials.
#include "graphics/GraphicsSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <unistd.h>

TEST(ShaderProbe, ALoopingShaderIsRefusedAtLoadWithOneLine) {
    const std::string looping = "/tmp/velmora-looping-" + std::to_string(getpid()) + ".fsh";
    std::ofstream(looping) << "#version 120\nuniform float waveData[9 * 64 + 9];\nvarying vec3 worldPosition;\n"
                              "void main() {\n    float s = waveData[6];\n"
                              "    for (int i = 0; i < 20000; ++i) s += sin(s + worldPosition.x * float(i));\n"
                              "    gl_FragColor = vec4(fract(s), 0.0, 0.0, 1.0);\n}\n";
    GraphicsSystem::useWindowSize(irr::core::dimension2du(640, 480), false);
    GraphicsSystem& graphics = GraphicsSystem::instance();
    testing::internal::CaptureStdout();
    graphics.createShaderMaterials("shader.vsh", looping.c_str(), true);
    const std::string out = testing::internal::GetCapturedStdout();
    std::remove(looping.c_str());
    EXPECT_EQ(0u, out.find("Graphics: shaders shader.vsh / " + looping + " would cost about ")) << out;
    EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_FALSE(graphics.wavesApplied);
    EXPECT_EQ(1, graphics.variantCount());
}
