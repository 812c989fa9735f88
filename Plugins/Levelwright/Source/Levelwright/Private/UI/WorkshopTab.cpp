#include "UI/WorkshopTab.h"

#include "Brushes/SlateNoResource.h"
#include "EditorStyleSet.h"
#include "Levelwright/LevelwrightModule.h"
#include "Styling/SlateTypes.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/SOverlay.h"

void SWorkshopTab::Construct(const FArguments& InArgs)
{
	TabIndex = InArgs._Index;
	ActiveVisibility.Bind(this, &SWorkshopTab::GetActiveVisibility);

	ChildSlot
	[
		SNew(SBox)
		.MinDesiredWidth(200)
		.MinDesiredHeight(40)
		[
			SNew(SOverlay)
			+ SOverlay::Slot()
			[
				SNew(SBorder)
				.BorderImage(FEditorStyle::GetBrush("ToolPanel.GroupBorder"))
				.Visibility(ActiveVisibility)
				[
					SNullWidget::NullWidget
				]
			]
			+ SOverlay::Slot()
			.HAlign(HAlign_Fill)
			.VAlign(VAlign_Fill)
			[
				SNew(SButton)
				.Text(InArgs._Text)
				.HAlign(HAlign_Center)
				.VAlign(VAlign_Center)
				.ForegroundColor(FLinearColor(0.8f, 0.8f, 0.8f, 1.0f))
				.Cursor(EMouseCursor::Hand)
				.ButtonStyle(&GetHeaderButtonStyle())
				.OnClicked(this, &SWorkshopTab::Clicked)
			]
		]
	];
}

FReply SWorkshopTab::Clicked()
{
	FLevelwrightModule::Get().SelectedTab = TabIndex;
	return FReply::Handled();
}

EVisibility SWorkshopTab::GetActiveVisibility() const
{
	return FLevelwrightModule::Get().SelectedTab == TabIndex ? EVisibility::Visible : EVisibility::Collapsed;
}

const FButtonStyle& SWorkshopTab::GetHeaderButtonStyle()
{
	// Never freed: windows built later share it, and it must outlive every one of them.
	static const FButtonStyle* HeaderButtonStyle = [] {
		FButtonStyle* Style = new FButtonStyle();
		const FSlateNoResource NoBrush;
		Style->SetNormal(NoBrush);
		Style->SetHovered(NoBrush);
		Style->SetPressed(NoBrush);
		return Style;
	}();
	return *HeaderButtonStyle;
}
