// The editor's notifications: the information a notification is made from, the item that shows it
// and the list of items in a corner of the window.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/SCompoundWidget.h"

class SVerticalBox;
struct FSlateBrush;

// One notification as it is shown: its text, a throbber while pending, a success or failure mark,
// its buttons and its hyperlink.
class SNotificationItem : public SCompoundWidget
{
public:
	enum ECompletionState
	{
		CS_None,
		CS_Pending,
		CS_Success,
		CS_Fail,
	};

	virtual void SetText(const TAttribute<FText>& InText) = 0;
	virtual void SetHyperlink(const FSimpleDelegate& InHyperlink, const TAttribute<FText>& InHyperlinkText = TAttribute<FText>()) = 0;
	virtual void SetExpireDuration(float ExpireDuration) = 0;
	virtual void SetFadeInDuration(float FadeInDuration) = 0;
	virtual void SetFadeOutDuration(float FadeOutDuration) = 0;
	virtual ECompletionState GetCompletionState() const = 0;
	virtual void SetCompletionState(ECompletionState State) = 0;
	// Stays for the expire duration, then fades out over the fade-out duration and goes.
	virtual void ExpireAndFadeout() = 0;
	// Fades out now, over the fade-out duration, and goes.
	virtual void Fadeout() = 0;
	virtual void Pulse(const FLinearColor& GlowColor) = 0;
};

// A button of a notification, shown only while the notification is in VisibleInState.
struct FNotificationButtonInfo
{
	FNotificationButtonInfo(const FText& InText, const FText& InToolTip, FSimpleDelegate InCallback,
							SNotificationItem::ECompletionState VisibleInState = SNotificationItem::CS_Pending)
		: Text(InText), ToolTip(InToolTip), Callback(InCallback), VisibleInState(VisibleInState)
	{
	}

	FText Text;
	FText ToolTip;
	FSimpleDelegate Callback;
	SNotificationItem::ECompletionState VisibleInState;
};

// What a notification is made from.
struct FNotificationInfo
{
	FNotificationInfo(const FText& InText)
		: Text(InText), Image(nullptr), FadeInDuration(0.5f), FadeOutDuration(2.0f), ExpireDuration(1.0f), bUseThrobber(true),
		  bUseSuccessFailIcons(true), bUseLargeFont(true), bFireAndForget(true), CheckBoxState(ECheckBoxState::Unchecked),
		  HyperlinkText(FText::FromString(TEXT("Show Log"))), bAllowThrottleWhenFrameRateIsLow(true)
	{
	}

	FText Text;
	TArray<FNotificationButtonInfo> ButtonDetails;
	const FSlateBrush* Image;
	float FadeInDuration;
	float FadeOutDuration;
	float ExpireDuration;
	bool bUseThrobber;
	bool bUseSuccessFailIcons;
	bool bUseLargeFont;
	// Expires by itself after ExpireDuration; otherwise it stays until ExpireAndFadeout or Fadeout.
	bool bFireAndForget;
	TAttribute<ECheckBoxState> CheckBoxState;
	FOnCheckStateChanged CheckBoxStateChanged;
	TAttribute<FText> CheckBoxText;
	FSimpleDelegate Hyperlink;
	TAttribute<FText> HyperlinkText;
	bool bAllowThrottleWhenFrameRateIsLow;
};

// The notifications of one window, newest at the bottom.
class SNotificationList : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SNotificationList) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	virtual TSharedRef<SNotificationItem> AddNotification(const FNotificationInfo& Info);

protected:
	void NotificationItemFadedOut(const TSharedRef<SNotificationItem>& NotificationItem);

	TSharedPtr<SVerticalBox> MyNotificationList;
	bool bDone = false;

	friend class FSlateNotificationManager;
};
