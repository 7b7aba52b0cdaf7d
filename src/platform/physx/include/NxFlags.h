#pragma once
// Enumerations and flag bits of the physics interface.

namespace vphysx {

enum NxParameter {
    NX_SKIN_WIDTH,                  // default collision margin of new shapes, in units
    NX_VISUALIZATION_SCALE,         // 0 turns the debug renderable off
    NX_VISUALIZE_COLLISION_SHAPES,  // non-zero draws shape wireframes
    NX_PARAMS_NUM_VALUES
};

enum NxSDKCreateError {
    NXCE_NO_ERROR = 0,
    NXCE_WRONG_VERSION = 1,
};

enum NxTimeStepMethod {
    NX_TIMESTEP_FIXED,  // the elapsed time is cut into sub-steps of maxTimestep
};

enum NxSimulationStatus {
    NX_RIGID_BODY_FINISHED = 1 << 0,
};

enum NxBodyFlag {
    NX_BF_DISABLE_GRAVITY = 1 << 0,
    NX_BF_KINEMATIC = 1 << 7,
};

enum NxActorFlag {
    NX_AF_DISABLE_COLLISION = 1 << 0,
};

// Trigger shape flags, also the status passed to NxUserTriggerReport::onTrigger.
enum NxTriggerFlag {
    NX_TRIGGER_ON_ENTER = 1 << 0,
    NX_TRIGGER_ON_LEAVE = 1 << 1,
    NX_TRIGGER_ON_STAY = 1 << 2,
    NX_TRIGGER_ENABLE = NX_TRIGGER_ON_ENTER | NX_TRIGGER_ON_LEAVE | NX_TRIGGER_ON_STAY,
};

enum NxContactPairFlag {
    NX_NOTIFY_ON_START_TOUCH = 1 << 1,
    NX_NOTIFY_FORCES = 1 << 7,
};

enum NxForceMode {
    NX_FORCE,    // applied over the next sub-step
    NX_IMPULSE,  // changes the velocity at once
};

enum NxShapeType {
    NX_SHAPE_BOX,
    NX_SHAPE_CAPSULE,
    NX_SHAPE_CONVEX,
    NX_SHAPE_MESH,
};

enum NxMeshFlags {
    NX_MF_16_BIT_INDICES = 1 << 1,
};

enum NxConvexFlags {
    NX_CF_COMPUTE_CONVEX = 1 << 0,  // the cooker computes the hull of the point cloud
};

enum NxInternalArray {
    NX_ARRAY_TRIANGLES,
    NX_ARRAY_VERTICES,
};

}  // namespace vphysx
