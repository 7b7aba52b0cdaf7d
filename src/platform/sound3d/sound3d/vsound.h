#pragma once

// The 3-D sound engine: createIrrKlangDevice, ISoundEngine, ISound, ISoundSource, IAcoustics.
#include "ESoundEnums.h"
#include "IAcoustics.h"
#include "IRefCounted.h"
#include "ISound.h"
#include "ISoundEngine.h"
#include "ISoundSource.h"
#include "vec3df.h"
