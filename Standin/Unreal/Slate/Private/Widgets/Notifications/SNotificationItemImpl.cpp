#include "SNotificationItemImpl.h"

#include "Standin/SlateApplication.h"
#include "Styling/CoreStyle.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Images/SThrobber.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SHyperlink.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <algorithm>

namespace
{
// A frame's time arrives as a sum of float frame lengths: an end reached "now" must not wait a frame.
constexpr double TimeTolerance = 1e-6;

template <typename T>
TAttribute<T> Bind(const SNotificationItemImpl* Item, T (SNotificationItemImpl::*Getter)() const)
{
	return TAttribute<T>::Create(TAttribute<T>::FGetter::CreateLambda([Item, Getter]() { return (Item->*Getter)(); }));
}
} // namespace

void SNotificationItemImpl::Construct(const FArguments& InArgs)
{
	check(InArgs._Info);
	const FNotificationInfo& Info = *InArgs._Info;
	bUseThrobber = Info.bUseThrobber;
	bUseSuccessFailIcons = Info.bUseSuccessFailIcons;
	Hyperlink = Info.Hyperlink;
	HyperlinkText = Info.HyperlinkText;
	FadeInDuration = Info.FadeInDuration;
	FadeOutDuration = Info.FadeOutDuration;
	ExpireDuration = Info.ExpireDuration;
	AddedTime = Standin::Slate::GetCurrentTime();

	const FSlateFontInfo Font = Info.bUseLargeFont ? FCoreStyle::GetDefaultFontStyle(FName(TEXT("Bold")), 16)
												   : FCoreStyle::GetDefaultFontStyle(FName(TEXT("Regular")), 12);
	const TAttribute<FLinearColor> ContentColor = Bind<FLinearColor>(this, &SNotificationItemImpl::GetContentColor);
	ChildSlot
	[
		SNew(SBorder)
		.Padding(FMargin(15.0f))
		.BorderImage(FCoreStyle::Get().GetBrush(FName(TEXT("NotificationList.ItemBackground"))))
		.BorderBackgroundColor(TAttribute<FSlateColor>::Create(TAttribute<FSlateColor>::FGetter::CreateLambda([ContentColor]() { return FSlateColor(ContentColor.Get()); })))
		.ColorAndOpacity(ContentColor)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Center).Padding(0, 0, 10, 0)
			[
				SNew(SImage).Image(Info.Image).Visibility(Info.Image ? EVisibility::Visible : EVisibility::Collapsed)
			]
			+ SHorizontalBox::Slot().VAlign(VAlign_Center)
			[
				SNew(SVerticalBox)
				+ SVerticalBox::Slot().AutoHeight()
				[
					SNew(SHorizontalBox)
					+ SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Center)
					[
						SAssignNew(MyTextBlock, STextBlock).Text(Info.Text).Font(Font)
					]
					+ SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Center).Padding(15, 0, 0, 0)
					[
						SNew(SThrobber).Visibility(Bind<EVisibility>(this, &SNotificationItemImpl::GetThrobberVisibility))
					]
					+ SHorizontalBox::Slot().AutoWidth().VAlign(VAlign_Center).Padding(15, 0, 0, 0)
					[
						SNew(SImage)
						.Image(Bind<const FSlateBrush*>(this, &SNotificationItemImpl::GetSuccessFailImage))
						.Visibility(Bind<EVisibility>(this, &SNotificationItemImpl::GetSuccessFailVisibility))
					]
				]
				+ SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Right).Padding(0, 5, 0, 0)
				[
					SNew(SHyperlink)
					.Text(Bind<FText>(this, &SNotificationItemImpl::GetHyperlinkText))
					.OnNavigate(FSimpleDelegate::CreateLambda([this]() { OnHyperlinkClicked(); }))
					.Visibility(Bind<EVisibility>(this, &SNotificationItemImpl::GetHyperlinkVisibility))
				]
				+ SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Right).Padding(0, 5, 0, 0)
				[
					MakeButtons(Info.ButtonDetails)
				]
				+ SVerticalBox::Slot().AutoHeight().Padding(0, 5, 0, 0)
				[
					SNew(SCheckBox)
					.Visibility(Info.CheckBoxStateChanged.IsBound() ? EVisibility::Visible : EVisibility::Collapsed)
					.IsChecked(Info.CheckBoxState)
					.OnCheckStateChanged(Info.CheckBoxStateChanged)
					[
						SNew(STextBlock).Text(Info.CheckBoxText)
					]
				]
			]
		]
	];
}

TSharedRef<SWidget> SNotificationItemImpl::MakeButtons(const TArray<FNotificationButtonInfo>& Buttons)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox);
	for (const FNotificationButtonInfo& Button : Buttons)
	{
		// Each button shows only while the notification is in the state it was made for.
		const SNotificationItem::ECompletionState VisibleInState = Button.VisibleInState;
		const FSimpleDelegate Callback = Button.Callback;
		Row->AddSlot().AutoWidth().Padding(5, 0, 0, 0)
		[
			SNew(SButton)
			.Text(Button.Text)
			.ToolTipText(Button.ToolTip)
			.OnClicked(FOnClicked::CreateLambda([Callback]() {
				Callback.ExecuteIfBound();
				return FReply::Handled();
			}))
			.Visibility(TAttribute<EVisibility>::Create(TAttribute<EVisibility>::FGetter::CreateLambda([this, VisibleInState]() {
				return CompletionState == VisibleInState ? EVisibility::Visible : EVisibility::Collapsed;
			})))
		];
	}
	return Row;
}

void SNotificationItemImpl::SetText(const TAttribute<FText>& InText) { MyTextBlock->SetText(InText); }

void SNotificationItemImpl::SetHyperlink(const FSimpleDelegate& InHyperlink, const TAttribute<FText>& InHyperlinkText)
{
	Hyperlink = InHyperlink;
	if (InHyperlinkText.IsSet())
	{
		HyperlinkText = InHyperlinkText;
	}
}

void SNotificationItemImpl::FadeOutAfter(float Delay)
{
	FadeOutStart = Standin::Slate::GetCurrentTime() + Delay;
	FadeOutEnd = FadeOutStart.GetValue() + FadeOutDuration;
}

void SNotificationItemImpl::ExpireAndFadeout() { FadeOutAfter(ExpireDuration); }

void SNotificationItemImpl::Fadeout() { FadeOutAfter(0.0f); }

bool SNotificationItemImpl::HasFadedOut(double CurrentTime) const { return FadeOutStart.IsSet() && CurrentTime + TimeTolerance >= FadeOutEnd; }

FLinearColor SNotificationItemImpl::GetContentColor() const
{
	const double Now = Standin::Slate::GetCurrentTime();
	float Opacity = FadeInDuration > 0 ? static_cast<float>(std::clamp((Now - AddedTime) / FadeInDuration, 0.0, 1.0)) : 1.0f;
	if (FadeOutStart.IsSet() && Now > FadeOutStart.GetValue())
	{
		Opacity *= FadeOutDuration > 0 ? static_cast<float>(std::clamp((FadeOutEnd - Now) / FadeOutDuration, 0.0, 1.0)) : 0.0f;
	}
	return FLinearColor(1, 1, 1, Opacity);
}

EVisibility SNotificationItemImpl::GetThrobberVisibility() const
{
	return bUseThrobber && CompletionState == CS_Pending ? EVisibility::Visible : EVisibility::Collapsed;
}

EVisibility SNotificationItemImpl::GetSuccessFailVisibility() const
{
	return bUseSuccessFailIcons && (CompletionState == CS_Success || CompletionState == CS_Fail) ? EVisibility::Visible : EVisibility::Collapsed;
}

const FSlateBrush* SNotificationItemImpl::GetSuccessFailImage() const
{
	return FCoreStyle::Get().GetBrush(FName(CompletionState == CS_Fail ? TEXT("NotificationList.FailImage") : TEXT("NotificationList.SuccessImage")));
}

EVisibility SNotificationItemImpl::GetHyperlinkVisibility() const { return Hyperlink.IsBound() ? EVisibility::Visible : EVisibility::Collapsed; }
