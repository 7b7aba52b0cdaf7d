#pragma once
// The physics SDK interface the game calls, over Bullet: include this for everything but
// cooking (NxCooking.h) and character controllers (NxControllerManager.h).

#include "NxActor.h"
#include "NxActorDesc.h"
#include "NxContactStream.h"
#include "NxDebugRenderable.h"
#include "NxMaterial.h"
#include "NxPhysicsSDK.h"
#include "NxScene.h"
#include "NxSceneDesc.h"
#include "NxShape.h"
#include "NxShapeDesc.h"
#include "NxStream.h"
#include "NxUserAllocator.h"
#include "NxUserContactReport.h"
#include "NxUserOutputStream.h"
