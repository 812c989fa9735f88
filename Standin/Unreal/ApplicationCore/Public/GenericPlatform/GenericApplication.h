// The modifier keys that input events carry. The headless toolkit types and clicks without any
// modifier, so only the state itself is here, not the platform application it comes from.
#pragma once

#include "CoreMinimal.h"

class FModifierKeysState
{
public:
	FModifierKeysState() = default;
	FModifierKeysState(const bool bInIsLeftShiftDown, const bool bInIsRightShiftDown, const bool bInIsLeftControlDown,
					   const bool bInIsRightControlDown, const bool bInIsLeftAltDown, const bool bInIsRightAltDown,
					   const bool bInIsLeftCommandDown, const bool bInIsRightCommandDown, const bool bInAreCapsLocked)
		: bIsLeftShiftDown(bInIsLeftShiftDown), bIsRightShiftDown(bInIsRightShiftDown), bIsLeftControlDown(bInIsLeftControlDown),
		  bIsRightControlDown(bInIsRightControlDown), bIsLeftAltDown(bInIsLeftAltDown), bIsRightAltDown(bInIsRightAltDown),
		  bIsLeftCommandDown(bInIsLeftCommandDown), bIsRightCommandDown(bInIsRightCommandDown), bAreCapsLocked(bInAreCapsLocked)
	{
	}

	bool IsShiftDown() const { return bIsLeftShiftDown || bIsRightShiftDown; }
	bool IsControlDown() const { return bIsLeftControlDown || bIsRightControlDown; }
	bool IsAltDown() const { return bIsLeftAltDown || bIsRightAltDown; }
	bool IsCommandDown() const { return bIsLeftCommandDown || bIsRightCommandDown; }
	bool AreCapsLocked() const { return bAreCapsLocked; }

private:
	bool bIsLeftShiftDown = false;
	bool bIsRightShiftDown = false;
	bool bIsLeftControlDown = false;
	bool bIsRightControlDown = false;
	bool bIsLeftAltDown = false;
	bool bIsRightAltDown = false;
	bool bIsLeftCommandDown = false;
	bool bIsRightCommandDown = false;
	bool bAreCapsLocked = false;
};
