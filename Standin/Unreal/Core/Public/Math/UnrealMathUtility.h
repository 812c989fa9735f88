#pragma once

#include <algorithm>
#include <cmath>

#include "CoreTypes.h"

struct FMath
{
	template <typename T>
	static constexpr T Max(T A, T B) { return A < B ? B : A; }
	template <typename T>
	static constexpr T Min(T A, T B) { return B < A ? B : A; }
	template <typename T>
	static constexpr T Clamp(T X, T Lo, T Hi) { return X < Lo ? Lo : (Hi < X ? Hi : X); }
	template <typename T>
	static constexpr T Abs(T A) { return A < T(0) ? -A : A; }
	static int32 RoundToInt(float F) { return static_cast<int32>(std::lround(F)); }
	static int32 FloorToInt(float F) { return static_cast<int32>(std::floor(F)); }
	static int32 CeilToInt(float F) { return static_cast<int32>(std::ceil(F)); }
	static float Sqrt(float F) { return std::sqrt(F); }
};
