#pragma once

#include "CoreMinimal.h"

// A size that may be left unset (SBox overrides and limits).
struct FOptionalSize
{
	FOptionalSize() : Size(Unspecified) {}
	FOptionalSize(const float SpecifiedSize) : Size(SpecifiedSize) {}

	bool IsSet() const { return Size != Unspecified; }
	float Get() const { return Size; }

private:
	static constexpr float Unspecified = -1.0f;
	float Size;
};
