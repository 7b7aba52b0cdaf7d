#pragma once
// Receives the scene's trigger events. Trigger volumes only detect overlap; the game does
// not react to it.

#include <NxUserContactReport.h>

class TriggerCallback : public vphysx::NxUserTriggerReport {
public:
    void onTrigger(vphysx::NxShape&, vphysx::NxShape&, vphysx::NxTriggerFlag) override {}
    ~TriggerCallback() override = default;
};
