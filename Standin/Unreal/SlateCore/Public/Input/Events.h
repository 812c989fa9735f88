// Input events as widgets receive them. The headless toolkit makes them itself: clicks at the
// centre of a widget, and typed characters.
#pragma once

#include "CoreMinimal.h"
#include "Containers/Set.h"
#include "GenericPlatform/GenericApplication.h"
#include "InputCoreTypes.h"

// What every input event carries: the modifier keys and the user it came from.
struct FInputEvent
{
public:
	FInputEvent() = default;
	FInputEvent(const FModifierKeysState& InModifierKeys, const int32 InUserIndex, const bool bInIsRepeat)
		: ModifierKeys(InModifierKeys), bIsRepeat(bInIsRepeat), UserIndex(InUserIndex)
	{
	}
	virtual ~FInputEvent() = default;

	bool IsRepeat() const { return bIsRepeat; }
	bool IsShiftDown() const { return ModifierKeys.IsShiftDown(); }
	bool IsControlDown() const { return ModifierKeys.IsControlDown(); }
	bool IsAltDown() const { return ModifierKeys.IsAltDown(); }
	bool IsCommandDown() const { return ModifierKeys.IsCommandDown(); }
	const FModifierKeysState& GetModifierKeys() const { return ModifierKeys; }
	uint32 GetUserIndex() const { return UserIndex; }

protected:
	FModifierKeysState ModifierKeys;
	bool bIsRepeat = false;
	uint32 UserIndex = 0;
};

// A mouse button pressed or released, or a move, at a point on the screen.
struct FPointerEvent : public FInputEvent
{
public:
	FPointerEvent() = default;
	FPointerEvent(uint32 InPointerIndex, const FVector2D& InScreenSpacePosition, const FVector2D& InLastScreenSpacePosition,
				  const TSet<FKey>& InPressedButtons, FKey InEffectingButton, float InWheelDelta, const FModifierKeysState& InModifierKeys)
		: FInputEvent(InModifierKeys, 0, false), ScreenSpacePosition(InScreenSpacePosition), LastScreenSpacePosition(InLastScreenSpacePosition),
		  CursorDelta(InScreenSpacePosition - InLastScreenSpacePosition), PressedButtons(InPressedButtons), EffectingButton(InEffectingButton),
		  PointerIndex(InPointerIndex), WheelOrGestureDelta(InWheelDelta)
	{
	}

	const FVector2D& GetScreenSpacePosition() const { return ScreenSpacePosition; }
	const FVector2D& GetLastScreenSpacePosition() const { return LastScreenSpacePosition; }
	const FVector2D& GetCursorDelta() const { return CursorDelta; }
	bool IsMouseButtonDown(FKey MouseButton) const { return PressedButtons.Contains(MouseButton); }
	FKey GetEffectingButton() const { return EffectingButton; }
	float GetWheelDelta() const { return WheelOrGestureDelta; }
	uint32 GetPointerIndex() const { return PointerIndex; }
	bool IsTouchEvent() const { return bIsTouchEvent; }
	const TSet<FKey>& GetPressedButtons() const { return PressedButtons; }

private:
	FVector2D ScreenSpacePosition = FVector2D(0, 0);
	FVector2D LastScreenSpacePosition = FVector2D(0, 0);
	FVector2D CursorDelta = FVector2D(0, 0);
	TSet<FKey> PressedButtons;
	FKey EffectingButton;
	uint32 PointerIndex = 0;
	float WheelOrGestureDelta = 0.0f;
	bool bIsTouchEvent = false;
};

// A character typed on the keyboard (a backspace arrives as '\b', as Windows sends it).
struct FCharacterEvent : public FInputEvent
{
public:
	FCharacterEvent() = default;
	FCharacterEvent(const TCHAR InCharacter, const FModifierKeysState& InModifierKeys, const uint32 InUserIndex, const bool bInIsRepeat)
		: FInputEvent(InModifierKeys, static_cast<int32>(InUserIndex), bInIsRepeat), Character(InCharacter)
	{
	}

	TCHAR GetCharacter() const { return Character; }

private:
	TCHAR Character = 0;
};
