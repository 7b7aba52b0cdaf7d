#include "WaveTestKit.h"
#include "graphics/ShaderCallback.h"
#include "waves/WaveManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace irr;

namespace {

// Records what the callback sends, accepting only the uniform names the "driver" lists.
class RecordingServices : public video::IMaterialRendererServices {
public:
    bool setVertexShaderConstant(const c8* name, const f32* floats, int count) override {
        return take("vertex", name, floats, count);
    }
    bool setPixelShaderConstant(const c8* name, const f32* floats, int count) override {
        return take("pixel", name, floats, count);
    }
    bool setVertexShaderConstant(const c8*, const bool*, int) override { return false; }
    bool setVertexShaderConstant(const c8*, const s32*, int) override { return false; }
    bool setPixelShaderConstant(const c8*, const bool*, int) override { return false; }
    bool setPixelShaderConstant(const c8*, const s32*, int) override { return false; }
    void setVertexShaderConstant(const f32*, s32, s32) override {}
    void setPixelShaderConstant(const f32*, s32, s32) override {}
    void setBasicRenderStates(const video::SMaterial&, const video::SMaterial&, bool) override {}
    video::IVideoDriver* getVideoDriver() override { return GraphicsSystem::instance().driver; }

    std::vector<std::string> known{"modelMatrix", "waveData"};
    std::map<std::string, std::vector<f32>> sent;   // "stage name" -> floats of the last call

private:
    bool take(const char* stage, const c8* name, const f32* floats, int count) {
        if (std::find(known.begin(), known.end(), name) == known.end()) return false;
        sent[std::string(stage) + " " + name] = std::vector<f32>(floats, floats + count);
        return true;
    }
};

class ShaderCallbackTest : public ::testing::Test {
protected:
    void SetUp() override { setFrameTime(100); }
    void TearDown() override { callback->drop(); }

    WaveManager waves;
    Graphics::ShaderCallback* callback = new Graphics::ShaderCallback(waves);
    RecordingServices services;
    const std::vector<f32> marker = std::vector<f32>(9, -1.0f);
};

TEST_F(ShaderCallbackTest, SendsTheTransformAndEveryRecordClosedByTheMarker) {
    callback->OnSetConstants(&services, 0);
    EXPECT_EQ(16u, services.sent["vertex modelMatrix"].size());
    EXPECT_EQ(marker, services.sent["pixel waveData"]);
    // Waves added after a draw take the marker's place; the next draw closes the array again.
    for (float x : {1, 2})
        waves.addPulse(core::vector3df(x, 0, 0), 10, 5, 10, 1, 0, core::vector3df(1, 1, 1));
    waves.update();
    callback->OnSetConstants(&services, 0);
    const std::vector<f32> first = services.sent["pixel waveData"];
    ASSERT_EQ(27u, first.size());
    EXPECT_FLOAT_EQ(2, first[9]);
    EXPECT_FLOAT_EQ(1, first[15]);
    EXPECT_EQ(marker, std::vector<f32>(first.begin() + 18, first.end()));
    // A second draw in the same frame sends the very same array.
    callback->OnSetConstants(&services, 0);
    EXPECT_EQ(first, services.sent["pixel waveData"]);
}

TEST_F(ShaderCallbackTest, ArrayIsReachedByItsFirstElementsNameAndAMissingOneIsSaidOnce) {
    services.known = {"modelMatrix", "waveData[0]"};
    callback->OnSetConstants(&services, 0);
    EXPECT_EQ(marker, services.sent["pixel waveData[0]"]);

    services.known = {"modelMatrix"};
    testing::internal::CaptureStdout();
    for (int draw = 0; draw < 3; ++draw) callback->OnSetConstants(&services, 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_NE(std::string::npos, out.find("\"waveData\"")) << out;
    EXPECT_EQ(std::string::npos, out.find("modelMatrix")) << out;
}

}  // namespace
