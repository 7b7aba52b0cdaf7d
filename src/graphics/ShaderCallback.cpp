#include "graphics/ShaderCallback.h"

#include "waves/WaveManager.h"

#include <cstdio>

using namespace irr;

namespace Graphics {

ShaderCallback::Uniform::Uniform(const char* name)
    : names{name, std::string(name) + "[0]"}, preferred(0), reported(false) {}

ShaderCallback::ShaderCallback() : ShaderCallback(WaveManager::instance()) {}

ShaderCallback::ShaderCallback(WaveManager& waves)
    : waves(waves), modelMatrix("modelMatrix"), waveData("waveData") {}

bool ShaderCallback::send(video::IMaterialRendererServices* services, Uniform& uniform,
                          bool vertex, const f32* floats, int count) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        int form = (uniform.preferred + attempt) % 2;
        const char* name = uniform.names[form].c_str();
        bool sent = vertex ? services->setVertexShaderConstant(name, floats, count)
                           : services->setPixelShaderConstant(name, floats, count);
        if (sent) {
            uniform.preferred = form;
            return true;
        }
    }
    if (!uniform.reported) {
        std::printf("Graphics: the wave shader has no uniform \"%s\"; its surfaces are drawn "
                    "without it\n", uniform.names[0].c_str());
        uniform.reported = true;
    }
    return false;
}

void ShaderCallback::OnSetConstants(video::IMaterialRendererServices* services, s32 userData) {
    const core::matrix4& world = services->getVideoDriver()->getTransform(video::ETS_WORLD);
    send(services, modelMatrix, true, world.pointer(), 16);

    if (!chosen) waves.ensureEndMarker();
    const WaveData& records = chosen ? *chosen : waves.waveData();
    send(services, waveData, false, records.data(), static_cast<int>(records.size()));
}

}  // namespace Graphics
