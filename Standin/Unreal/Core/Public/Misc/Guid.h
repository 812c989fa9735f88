#pragma once

#include "CoreTypes.h"

struct FGuid
{
	uint32 A = 0, B = 0, C = 0, D = 0;
};
