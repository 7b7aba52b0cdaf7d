#include "sound/CIrrKlangSceneNode.h"

#include "sound/UnplayableSound.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace irr;

const char* const CIrrKlangSceneNode::TYPE_NAME = "irrKlangSceneNode";
const char* const CIrrKlangSceneNode::PlayModeNames[] = {"nothing", "random", "looping",
                                                         "play_once", 0};
const char* const CIrrKlangSceneNode::EffectTypeNames[] = {"Pulse", "Glow", "Multi-Pulse", 0};

CIrrKlangSceneNode::CIrrKlangSceneNode(vsound::ISoundEngine* engine, scene::ISceneNode* parent,
                                       scene::ISceneManager* manager, s32 id)
    : scene::ISceneNode(parent, manager, id),
      Box(-1.0f, -1.0f, -1.0f, 1.0f, 1.0f, 1.0f),
      engine(engine),
      sound(0),
      MinDistance(20.0f),
      MaxDistance(-1.0f),
      EffectColor(0.2f, 0.2f, 1.0f),
      EffectType(EET_PULSE),
      MaxRadius(50.0f),
      MaxIntensity(1.0f),
      Trail(25.0f),
      StartingRadius(0.0f),
      MinRadius(5.0f),
      WaveSpeed(15.0f),
      WaveCount(1),
      WaveSpacing(5.0f),
      Threshold(0.5f),
      PlayMode(EPM_RANDOM),
      nextPlayTimeMs(0),
      DeleteWhenFinished(false),
      MaxTimeMsInterval(5000),
      MinTimeMsInterval(1000),
      playCount(0) {
    setAutomaticCulling(scene::EAC_OFF);
    if (engine)
        engine->grab();
}

CIrrKlangSceneNode::~CIrrKlangSceneNode() {
    stopSound();
    if (engine)
        engine->drop();
}

void CIrrKlangSceneNode::OnRegisterSceneNode() {
    if (IsVisible && DebugDataVisible != scene::EDS_OFF)
        SceneManager->registerNodeForRendering(this, scene::ESNRP_TRANSPARENT);
    ISceneNode::OnRegisterSceneNode();
}

void CIrrKlangSceneNode::startSound(bool looped) {
    if (SoundFileName.empty() || !engine)
        return;
    sound = engine->play3D(SoundFileName.c_str(), getAbsolutePosition(), looped, true, true);
    if (!sound) {
        reportUnplayable(getName());
        return;
    }
    if (MinDistance > 0.0f)
        sound->setMinDistance(MinDistance);
    if (MaxDistance > 0.0f)
        sound->setMaxDistance(MaxDistance);
    sound->setIsPaused(false);
}

void CIrrKlangSceneNode::scheduleNextPlay(u32 timeMs) {
    // 64-bit: interval attributes are level data and may be extreme or negative. A pause never
    // reaches into the past, so a negative minimum means "at once" rather than a wrapped clock.
    std::int64_t range = std::int64_t(MaxTimeMsInterval) - MinTimeMsInterval;
    if (range < 2)
        range = 2;
    std::int64_t pause = std::int64_t(std::rand()) % range + MinTimeMsInterval;
    nextPlayTimeMs = timeMs + u32(std::max<std::int64_t>(pause, 0));
}

void CIrrKlangSceneNode::OnAnimate(u32 timeMs) {
    ISceneNode::OnAnimate(timeMs);
    if (sound)
        sound->setPosition(getAbsolutePosition());

    switch (PlayMode) {
    case EPM_RANDOM:
        if (sound && sound->isFinished()) {
            sound->drop();
            sound = 0;
            scheduleNextPlay(timeMs);
        } else if (!sound && (nextPlayTimeMs == 0 || timeMs > nextPlayTimeMs)) {
            startSound(false);
        }
        break;
    case EPM_LOOPING:
        if (!sound) {
            startSound(true);
            if (!sound)
                stopSound();
        }
        break;
    case EPM_PLAY_ONCE:
        if (playCount == 0) {
            startSound(false);
            if (sound)
                playCount = 1;
            else
                stopSound();
        } else if (sound && sound->isFinished()) {
            stopSound();
            playedOut = true;
            if (DeleteWhenFinished)
                SceneManager->addToDeletionQueue(this);
        }
        break;
    default:
        break;
    }
}

void CIrrKlangSceneNode::stopSound() {
    PlayMode = EPM_NOTHING;
    playCount = 0;
    if (sound) {
        sound->stop();
        sound->drop();
        sound = 0;
    }
}

scene::ISceneNode* CIrrKlangSceneNode::clone(scene::ISceneNode* newParent,
                                             scene::ISceneManager* newManager) {
    if (!newParent)
        newParent = Parent;
    if (!newManager)
        newManager = SceneManager;
    CIrrKlangSceneNode* copy = new CIrrKlangSceneNode(engine, newParent, newManager, ID);
    copy->cloneMembers(this, newManager);
    copy->SoundFileName = SoundFileName;
    copy->MinDistance = MinDistance;
    copy->Box = Box;
    copy->PlayMode = PlayMode;
    copy->nextPlayTimeMs = nextPlayTimeMs;
    copy->DeleteWhenFinished = DeleteWhenFinished;
    copy->MaxTimeMsInterval = MaxTimeMsInterval;
    copy->MinTimeMsInterval = MinTimeMsInterval;
    // A clone without a parent has no other holder: the caller keeps the creation reference.
    if (newParent)
        copy->drop();
    return copy;
}
