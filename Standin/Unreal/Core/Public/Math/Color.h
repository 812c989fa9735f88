#pragma once

#include "CoreTypes.h"

struct FColor
{
	uint8 B = 0, G = 0, R = 0, A = 0;

	FColor() = default;
	constexpr FColor(uint8 InR, uint8 InG, uint8 InB, uint8 InA = 255) : B(InB), G(InG), R(InR), A(InA) {}
	bool operator==(const FColor& Other) const { return R == Other.R && G == Other.G && B == Other.B && A == Other.A; }
};

struct FLinearColor
{
	float R = 0, G = 0, B = 0, A = 0;

	FLinearColor() = default;
	constexpr FLinearColor(float InR, float InG, float InB, float InA = 1.0f) : R(InR), G(InG), B(InB), A(InA) {}
	bool operator==(const FLinearColor& Other) const { return R == Other.R && G == Other.G && B == Other.B && A == Other.A; }
	bool operator!=(const FLinearColor& Other) const { return !(*this == Other); }

	// Plain scaling to 8 bits (no sRGB curve): what the stand-in's renderer draws.
	FColor ToFColor(bool bSRGB) const;

	static const FLinearColor White;
	static const FLinearColor Black;
	static const FLinearColor Transparent;
	static const FLinearColor Gray;
};
