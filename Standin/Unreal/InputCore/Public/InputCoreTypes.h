#pragma once

#include "CoreMinimal.h"

// A key or mouse button, by name.
struct FKey
{
	FKey() = default;
	FKey(const FName InName) : KeyName(InName) {}

	FName GetFName() const { return KeyName; }
	bool operator==(const FKey& Other) const { return KeyName == Other.KeyName; }
	bool operator!=(const FKey& Other) const { return !(*this == Other); }

private:
	FName KeyName;
};

struct EKeys
{
	static const FKey LeftMouseButton;
	static const FKey RightMouseButton;
	static const FKey Enter;
	static const FKey Escape;
};
