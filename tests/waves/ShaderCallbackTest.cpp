#include "FrameClock.h"
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
    explicit RecordingServices(std::vector<std::string> known) : known(known) {}

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

    std::vector<std::string> known;
    std::map<std::string, std::vector<f32>> sent;   // "stage name" -> floats of the last call

private:
    bool take(const char* stage, const c8* name, const f32* floats, int count) {
        for (const std::string& k : known) {
            if (k == name) {
                sent[std::string(stage) + " " + name] = std::vector<f32>(floats, floats + count);
                return true;
            }
        }
        return false;
    }
};

class ShaderCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        setFrameTime(100);
        callback = new Graphics::ShaderCallback(waves);
    }
    void TearDown() override { callback->drop(); }

    void addPulse(float x) {
        waves.addPulse(core::vector3df(x, 0, 0), 10, 5, 10, 1, 0, core::vector3df(1, 1, 1));
    }

    WaveManager waves;
    Graphics::ShaderCallback* callback = nullptr;
    RecordingServices services{{"modelMatrix", "waveData"}};
};

TEST_F(ShaderCallbackTest, WithoutWavesSendsOnlyTheEndMarker) {
    callback->OnSetConstants(&services, 0);
    EXPECT_EQ(std::vector<f32>(9, -1.0f), services.sent["pixel waveData"]);
}

TEST_F(ShaderCallbackTest, OnePulseSendsItsRecordThenTheMarker) {
    addPulse(3);
    waves.update();
    callback->OnSetConstants(&services, 0);
    const std::vector<f32>& floats = services.sent["pixel waveData"];
    ASSERT_EQ(18u, floats.size());
    EXPECT_FLOAT_EQ(3, floats[0]);
    EXPECT_FLOAT_EQ(1, floats[6]);
    EXPECT_EQ(std::vector<f32>(9, -1.0f), std::vector<f32>(floats.begin() + 9, floats.end()));
}

TEST_F(ShaderCallbackTest, TwoDrawsInOneFrameSendTheSameArray) {
    addPulse(1);
    addPulse(2);
    waves.update();
    callback->OnSetConstants(&services, 0);
    std::vector<f32> first = services.sent["pixel waveData"];
    callback->OnSetConstants(&services, 0);
    EXPECT_EQ(27u, first.size());
    EXPECT_EQ(first, services.sent["pixel waveData"]);
}

TEST_F(ShaderCallbackTest, DrawAfterAnAdditionStillEndsWithTheMarker) {
    addPulse(1);
    callback->OnSetConstants(&services, 0);
    addPulse(2);
    callback->OnSetConstants(&services, 0);
    const std::vector<f32>& floats = services.sent["pixel waveData"];
    ASSERT_EQ(27u, floats.size());
    EXPECT_FLOAT_EQ(2, floats[9]);
    EXPECT_EQ(std::vector<f32>(9, -1.0f), std::vector<f32>(floats.begin() + 18, floats.end()));
}

TEST_F(ShaderCallbackTest, ArrayListedAsFirstElementIsReachedByThatName) {
    services.known = {"modelMatrix", "waveData[0]"};
    callback->OnSetConstants(&services, 0);
    EXPECT_EQ(std::vector<f32>(9, -1.0f), services.sent["pixel waveData[0]"]);
}

TEST_F(ShaderCallbackTest, MissingUniformIsReportedOnceNotEveryDraw) {
    services.known = {"modelMatrix"};
    testing::internal::CaptureStdout();
    callback->OnSetConstants(&services, 0);
    callback->OnSetConstants(&services, 0);
    callback->OnSetConstants(&services, 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(1, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_NE(std::string::npos, out.find("\"waveData\"")) << out;
    EXPECT_EQ(std::string::npos, out.find("modelMatrix")) << out;
}

}  // namespace
