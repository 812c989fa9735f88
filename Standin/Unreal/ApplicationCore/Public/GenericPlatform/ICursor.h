#pragma once

#include "CoreMinimal.h"

namespace EMouseCursor
{
enum Type
{
	None,
	Default,
	TextEditBeam,
	ResizeLeftRight,
	ResizeUpDown,
	ResizeSouthEast,
	ResizeSouthWest,
	CardinalCross,
	Crosshairs,
	Hand,
	GrabHand,
	GrabHandClosed,
	SlashedCircle,
	EyeDropper,
	Custom,
	TotalCursorCount
};
}
