#pragma once
// Turns hard contacts into impact sounds. The scene reports each pair with a dynamic actor
// once, in the step in which the two start touching, with forces summed over its points.

#include <NxUserContactReport.h>

namespace PhysX {

class ContactReport : public vphysx::NxUserContactReport {
public:
    // Sounds at the stream's first point when either summed force exceeds 100.
    void onContactNotify(vphysx::NxContactPair& pair, vphysx::NxU32 events) override;
    ~ContactReport() override = default;
};

}  // namespace PhysX
