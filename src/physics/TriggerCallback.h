#pragma once
// Receives the scene's trigger events and queues each entry and exit of the player or a level
// object for the trigger's script; the world update delivers them (world/TriggerEvents.h).

#include <NxUserContactReport.h>

class TriggerCallback : public vphysx::NxUserTriggerReport {
public:
    void onTrigger(vphysx::NxShape& triggerShape, vphysx::NxShape& otherShape,
                   vphysx::NxTriggerFlag status) override;
    ~TriggerCallback() override = default;
};
