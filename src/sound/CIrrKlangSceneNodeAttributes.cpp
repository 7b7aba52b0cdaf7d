// The emitter's settings as Irrlicht attributes: reading them from the level, writing them for
// the editor, and repairing values the waves cannot use.

#include <cmath>
#include <vector>

#include "sound/CIrrKlangSceneNode.h"

using namespace irr;

namespace {
bool inUnitRange(f32 value) { return value >= 0.0f && value <= 1.0f; }
}  // namespace

void CIrrKlangSceneNode::deserializeAttributes(io::IAttributes* in,
                                               io::SAttributeReadWriteOptions* options) {
    if (!in)
        return;
    ISceneNode::deserializeAttributes(in);

    core::stringc oldFileName = SoundFileName;
    SoundFileName = in->getAttributeAsString("SoundFileName");
    s32 newMode = in->getAttributeAsEnumeration("PlayMode", PlayModeNames);

    MinDistance = in->getAttributeAsFloat("MinDistance");
    MaxDistance = in->getAttributeAsFloat("MaxDistance");
    if (sound) {
        if (MinDistance > 0.0f)
            sound->setMinDistance(MinDistance);
        if (MaxDistance > 0.0f)
            sound->setMaxDistance(MaxDistance);
    }
    DeleteWhenFinished = in->getAttributeAsBool("DeleteWhenFinished");
    if (in->existsAttribute("MinTimeMsInterval"))
        MinTimeMsInterval = in->getAttributeAsInt("MinTimeMsInterval");
    if (in->existsAttribute("MaxTimeMsInterval"))
        MaxTimeMsInterval = in->getAttributeAsInt("MaxTimeMsInterval");

    // Re-reading the same settings must not restart a playing sound.
    if (newMode != PlayMode || SoundFileName != oldFileName) {
        stopSound();
        nextPlayTimeMs = 0;
        PlayMode = newMode;
    }

    if (in->existsAttribute("EffectType")) {
        EffectColor = in->getAttributeAsVector3d("EffectColor");
        EffectType = in->getAttributeAsEnumeration("EffectType", EffectTypeNames);
        MaxRadius = in->getAttributeAsFloat("MaxRadius");
        MaxIntensity = in->getAttributeAsFloat("MaxIntensity");
        if (EffectType == EET_PULSE || EffectType == EET_MULTI_PULSE) {
            Trail = in->getAttributeAsFloat("Trail");
            StartingRadius = in->getAttributeAsFloat("StartingRadius");
        }
        if (in->existsAttribute("WaveCount")) {
            // Read as a signed number: a negative count must not become billions of rings.
            s32 count = in->getAttributeAsInt("WaveCount");
            WaveCount = count > 0 ? u32(count) : 1;
            WaveSpacing = in->getAttributeAsFloat("WaveSpacing");
        }
    }
    if (in->existsAttribute("WaveSpeed"))
        WaveSpeed = in->getAttributeAsFloat("WaveSpeed");
    if (in->existsAttribute("MinRadius"))
        MinRadius = in->getAttributeAsFloat("MinRadius");
    if (in->existsAttribute("Threshold"))
        Threshold = in->getAttributeAsFloat("Threshold");

    validateEffectAttributes();
}

// Comparisons are written so that NaN fails them and is repaired too.
void CIrrKlangSceneNode::validateEffectAttributes() {
    if (!inUnitRange(EffectColor.X))
        EffectColor.X = 0.8f;
    if (!inUnitRange(EffectColor.Y))
        EffectColor.Y = 0.8f;
    if (!inUnitRange(EffectColor.Z))
        EffectColor.Z = 1.0f;
    if (!(MaxRadius > 0.0f) || std::isinf(MaxRadius))
        MaxRadius = 50.0f;
    if (std::isnan(MaxIntensity))
        MaxIntensity = 1.0f;
    MaxIntensity = core::clamp(MaxIntensity, 0.0f, 1.0f);
    if (!(Trail > 0.0f && Trail <= MaxRadius))
        Trail = 0.15f * MaxRadius;
    if (!(StartingRadius >= 0.0f && StartingRadius <= MaxRadius))
        StartingRadius = 0.0f;
    if (!(WaveSpacing > 0.0f) || std::isinf(WaveSpacing))
        WaveSpacing = 5.0f;
    if (WaveCount == 0)
        WaveCount = 1;
    if (!(MinRadius > 0.0f && MinRadius < MaxRadius))
        MinRadius = 0.5f * MaxRadius;
    // A speed of 0 is a steady wave; a front that runs backwards or at no number is not.
    if (!(WaveSpeed >= 0.0f) || std::isinf(WaveSpeed))
        WaveSpeed = 15.0f;
}

void CIrrKlangSceneNode::serializeAttributes(io::IAttributes* out,
                                             io::SAttributeReadWriteOptions* options) const {
    if (!out)
        return;
    ISceneNode::serializeAttributes(out, options);

    if (engine && options && (options->Flags & io::EARWF_FOR_EDITOR)) {
        // The editor offers every sound the engine knows, then a blank and "<select>".
        std::vector<const char*> names;
        for (int i = 0; i < engine->getSoundSourceCount(); ++i)
            names.push_back(engine->getSoundSource(i)->getName());
        names.push_back("");
        names.push_back("<select>");
        names.push_back(0);
        out->addEnum("SoundFileName", SoundFileName.c_str(), names.data());
    } else {
        out->addString("SoundFileName", SoundFileName.c_str());
    }

    out->addEnum("PlayMode", PlayMode, PlayModeNames);
    out->addFloat("MinDistance", MinDistance);
    out->addFloat("MaxDistance", MaxDistance);
    if (PlayMode == EPM_RANDOM) {
        out->addInt("MinTimeMsInterval", MinTimeMsInterval);
        out->addInt("MaxTimeMsInterval", MaxTimeMsInterval);
    } else if (PlayMode == EPM_PLAY_ONCE) {
        out->addBool("DeleteWhenFinished", DeleteWhenFinished);
    }

    out->addVector3d("EffectColor", EffectColor);
    out->addEnum("EffectType", EffectType, EffectTypeNames);
    out->addFloat("MaxRadius", MaxRadius);
    if (EffectType == EET_GLOW)
        out->addFloat("MinRadius", MinRadius);
    out->addFloat("MaxIntensity", MaxIntensity);
    out->addFloat("WaveSpeed", WaveSpeed);
    if (EffectType == EET_PULSE || EffectType == EET_MULTI_PULSE) {
        out->addFloat("Trail", Trail);
        out->addFloat("StartingRadius", StartingRadius);
    }
    if (EffectType == EET_MULTI_PULSE) {
        out->addInt("WaveCount", s32(WaveCount));
        out->addFloat("WaveSpacing", WaveSpacing);
    }
}
