#pragma once

#include "HAL/Platform.h"

enum
{
	INDEX_NONE = -1
};

enum EForceInit
{
	ForceInit,
	ForceInitToZero
};

enum ENoInit
{
	NoInit
};

constexpr int32 MAX_int32 = 0x7fffffff;
constexpr int32 MIN_int32 = -MAX_int32 - 1;
constexpr uint32 MAX_uint32 = 0xffffffffu;
constexpr int64 MAX_int64 = 0x7fffffffffffffffLL;
constexpr uint64 MAX_uint64 = 0xffffffffffffffffULL;
constexpr uint8 MAX_uint8 = 0xff;
