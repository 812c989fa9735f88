#pragma once

#include "CoreMinimal.h"

// How a draw element is drawn beyond its brush and tint.
enum class ESlateDrawEffect : uint8
{
	None = 0,
	NoBlending = 1 << 0,
	PreMultipliedAlpha = 1 << 1,
	NoGamma = 1 << 2,
	InvertAlpha = 1 << 3,
	NoPixelSnapping = 1 << 4,
	// Drawn as a disabled widget is: the headless renderer greys it out.
	DisabledEffect = 1 << 5,
	IgnoreTextureAlpha = 1 << 6,
	ReverseGamma = 1 << 7
};

inline ESlateDrawEffect operator|(ESlateDrawEffect A, ESlateDrawEffect B)
{
	return static_cast<ESlateDrawEffect>(static_cast<uint8>(A) | static_cast<uint8>(B));
}
inline ESlateDrawEffect operator&(ESlateDrawEffect A, ESlateDrawEffect B)
{
	return static_cast<ESlateDrawEffect>(static_cast<uint8>(A) & static_cast<uint8>(B));
}
inline ESlateDrawEffect& operator|=(ESlateDrawEffect& A, ESlateDrawEffect B) { return A = A | B; }
inline ESlateDrawEffect& operator&=(ESlateDrawEffect& A, ESlateDrawEffect B) { return A = A & B; }
inline bool operator!(ESlateDrawEffect A) { return A == ESlateDrawEffect::None; }
