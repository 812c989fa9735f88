// A long job's notification in the editor's corner, as the engine's own packaging shows one: a throbber
// and the current step, Cancel while the job can still be stopped, a link to the output log, and at the
// end success or failure with the reason. Slate's: created and changed on the game thread only.
#pragma once

#include "CoreMinimal.h"

class SNotificationItem;

class FJobNotification
{
public:
	// Shows the notification; OnCancel bound gives it a Cancel button while it is pending.
	FJobNotification(const FString& Text, FSimpleDelegate OnCancel);

	void SetText(const FString& Text);
	// Shows how the job ended and lets the notification fade out.
	void Finish(bool bSucceeded, const FString& Text);

private:
	TSharedPtr<SNotificationItem> Item;
	FString ShownText;
};
