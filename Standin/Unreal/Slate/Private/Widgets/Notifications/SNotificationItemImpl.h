// The notification item the list shows: the engine's SNotificationItem interface over widgets of
// the headless toolkit, with its fading counted on the application clock.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Notifications/SNotificationList.h"

class STextBlock;

class SNotificationItemImpl : public SNotificationItem
{
public:
	SLATE_BEGIN_ARGS(SNotificationItemImpl) : _Info(nullptr) {}
	SLATE_ARGUMENT(const FNotificationInfo*, Info)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void SetText(const TAttribute<FText>& InText) override;
	void SetHyperlink(const FSimpleDelegate& InHyperlink, const TAttribute<FText>& InHyperlinkText = TAttribute<FText>()) override;
	void SetExpireDuration(float InExpireDuration) override { ExpireDuration = InExpireDuration; }
	void SetFadeInDuration(float InFadeInDuration) override { FadeInDuration = InFadeInDuration; }
	void SetFadeOutDuration(float InFadeOutDuration) override { FadeOutDuration = InFadeOutDuration; }
	ECompletionState GetCompletionState() const override { return CompletionState; }
	void SetCompletionState(ECompletionState State) override { CompletionState = State; }
	void ExpireAndFadeout() override;
	void Fadeout() override;
	void Pulse(const FLinearColor& GlowColor) override {}

	// True once the fade-out that ExpireAndFadeout or Fadeout started has ended.
	bool HasFadedOut(double CurrentTime) const;

private:
	TSharedRef<SWidget> MakeButtons(const TArray<FNotificationButtonInfo>& Buttons);
	FLinearColor GetContentColor() const;
	EVisibility GetThrobberVisibility() const;
	EVisibility GetSuccessFailVisibility() const;
	const FSlateBrush* GetSuccessFailImage() const;
	EVisibility GetHyperlinkVisibility() const;
	FText GetHyperlinkText() const { return HyperlinkText.Get(FText::GetEmpty()); }
	void OnHyperlinkClicked() const { Hyperlink.ExecuteIfBound(); }
	// Starts the fade-out after Delay seconds from now.
	void FadeOutAfter(float Delay);

	TSharedPtr<STextBlock> MyTextBlock;
	ECompletionState CompletionState = CS_None;
	bool bUseThrobber = true;
	bool bUseSuccessFailIcons = true;
	FSimpleDelegate Hyperlink;
	TAttribute<FText> HyperlinkText;
	float FadeInDuration = 0.5f;
	float FadeOutDuration = 2.0f;
	float ExpireDuration = 1.0f;
	double AddedTime = 0;
	TOptional<double> FadeOutStart;
	double FadeOutEnd = 0;
};
