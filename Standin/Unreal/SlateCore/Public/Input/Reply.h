#pragma once

#include "CoreMinimal.h"

class SWidget;

// What an event handler answers: whether it handled the event, and whether the mouse is to be
// captured by a widget (so that the release goes to it) or released.
class FReply
{
public:
	static FReply Handled() { return FReply(true); }
	static FReply Unhandled() { return FReply(false); }

	bool IsEventHandled() const { return bIsHandled; }

	FReply& CaptureMouse(TSharedRef<SWidget> InMouseCaptor)
	{
		MouseCaptor = InMouseCaptor;
		return *this;
	}
	FReply& ReleaseMouseCapture()
	{
		MouseCaptor.Reset();
		bReleaseMouseCapture = true;
		return *this;
	}
	const TSharedPtr<SWidget>& GetMouseCaptor() const { return MouseCaptor; }
	bool ShouldReleaseMouse() const { return bReleaseMouseCapture; }

private:
	explicit FReply(bool bInHandled) : bIsHandled(bInHandled) {}

	bool bIsHandled;
	bool bReleaseMouseCapture = false;
	TSharedPtr<SWidget> MouseCaptor;
};
