#pragma once

#include "CoreMinimal.h"

enum EHorizontalAlignment
{
	HAlign_Fill = 0,
	HAlign_Left = 1,
	HAlign_Center = 2,
	HAlign_Right = 3,
};

enum EVerticalAlignment
{
	VAlign_Fill = 0,
	VAlign_Top = 1,
	VAlign_Center = 2,
	VAlign_Bottom = 3,
};

enum EOrientation
{
	Orient_Horizontal,
	Orient_Vertical,
};

namespace ETextCommit
{
enum Type
{
	Default,
	OnEnter,
	OnUserMovedFocus,
	OnCleared
};
}

namespace ETextJustify
{
enum Type
{
	Left,
	Center,
	Right
};
}

enum class ECheckBoxState : uint8
{
	Unchecked,
	Checked,
	Undetermined
};
