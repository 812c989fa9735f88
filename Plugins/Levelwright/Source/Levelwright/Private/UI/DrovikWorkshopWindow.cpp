#include "UI/DrovikWorkshopWindow.h"

#include "Brushes/SlateDynamicImageBrush.h"
#include "EditorStyleSet.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/LevelwrightStyle.h"
#include "UI/WorkshopTab.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Images/SThrobber.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Input/SHyperlink.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SWidgetSwitcher.h"
#include "Widgets/Notifications/SProgressBar.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"

namespace
{
// Every page sits on the editor's panel look. On the action pages the explanatory text fills the spare
// height (fill 1) and the controls below it take their own height, so they sit at the bottom.
TSharedRef<SWidget> MakePage(const TSharedRef<SWidget>& Content)
{
	return SNew(SBorder)
		.BorderImage(FEditorStyle::GetBrush("ToolPanel.GroupBorder"))
		.Padding(20)
		[
			Content
		];
}

FText Text(const TCHAR* Literal)
{
	return FText::FromString(Literal);
}
} // namespace

void SDrovikWorkshopWindow::Construct(const FArguments& InArgs)
{
	MapTabLabel.Bind(this, &SDrovikWorkshopWindow::GetMapTabLabel);
	MapSwitcherIndex.Bind(this, &SDrovikWorkshopWindow::GetMapSwitcherIndex);
	BusyVisibility.Bind(this, &SDrovikWorkshopWindow::GetBusyVisibility);
	StandbyVisibility.Bind(this, &SDrovikWorkshopWindow::GetStandbyVisibility);
	ConfigText.Bind(this, &SDrovikWorkshopWindow::GetConfigState);
	TabIndex.Bind(this, &SDrovikWorkshopWindow::GetTabIndex);
	JobStepText.Bind(this, &SDrovikWorkshopWindow::GetJobStepText);
	JobPercent.Bind(this, &SDrovikWorkshopWindow::GetJobPercent);

	LogoBrush = MakeShareable(new FSlateDynamicImageBrush(FName(*FLevelwrightStyle::GetLogoPath()), FVector2D(200, 80),
														  FLinearColor(1, 1, 1, 1), ESlateBrushTileType::NoTile,
														  ESlateBrushImageType::FullColor));

	ChildSlot
	[
		SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			MakeHeader()
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			MakePageHeaders()
		]
		+ SVerticalBox::Slot()
		[
			SNew(SWidgetSwitcher)
			.WidgetIndex(TabIndex)
			+ SWidgetSwitcher::Slot()
			[
				MakeSetupPage()
			]
			+ SWidgetSwitcher::Slot()
			[
				MakeTestingPage()
			]
			+ SWidgetSwitcher::Slot()
			[
				MakeDeploymentPage()
			]
			+ SWidgetSwitcher::Slot()
			[
				MakeServerMapPage()
			]
		]
	];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeHeader()
{
	return SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.HAlign(HAlign_Left)
		.VAlign(VAlign_Top)
		[
			SNew(SBox)
			.MinDesiredWidth(200)
			.MaxDesiredWidth(200)
			.MinDesiredHeight(80)
			.MaxDesiredHeight(80)
			[
				SNew(SImage)
				.Image(LogoBrush.Get())
			]
		]
		+ SHorizontalBox::Slot()
		.FillWidth(1)
		.Padding(5)
		.HAlign(HAlign_Left)
		[
			SNew(STextBlock)
			.Text(ConfigText)
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakePageHeaders()
{
	return SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			SNew(SWorkshopTab).Index(0).Text(Text(TEXT("Setup")))
		]
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			SNew(SWorkshopTab).Index(1).Text(Text(TEXT("Testing(Steam)")))
		]
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			SNew(SWorkshopTab).Index(2).Text(Text(TEXT("Deployment(Steam)")))
		]
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			SNew(SWorkshopTab).Index(3).Text(Text(TEXT("Server Map")))
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeSetupPage()
{
	return MakePage(
		SNew(SWidgetSwitcher)
		.WidgetIndex(MapSwitcherIndex)
		+ SWidgetSwitcher::Slot()
		[
			MakeNewWorkshopMapPage()
		]
		+ SWidgetSwitcher::Slot()
		[
			MakeWorkshopMapPage()
		]
		+ SWidgetSwitcher::Slot()
		[
			MakeNewQuarnModPage()
		]
		+ SWidgetSwitcher::Slot()
		[
			MakeQuarnModPage()
		]);
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeNewWorkshopMapPage()
{
	return SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		.HAlign(HAlign_Left)
		[
			SNew(STextBlock)
			.Text(Text(TEXT("No UGC folder found, is this a new map? if so create a new workshop item")))
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.Padding(0, 20, 0, 0)
		.HAlign(HAlign_Left)
		[
			MakeButtonBox(MakeButton(TEXT("Create New"), FOnClicked::CreateSP(this, &SDrovikWorkshopWindow::CreateNewClicked)))
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeWorkshopMapPage()
{
	TSharedRef<SButton> SyncButton = MakeButton(TEXT("Sync Metadata"), FOnClicked::CreateSP(this, &SDrovikWorkshopWindow::SyncTitleClicked));
	SyncButton->SetToolTipText(Text(TEXT("Updates the workshop item from the local definition")));
	return SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		.HAlign(HAlign_Left)
		[
			SNew(STextBlock)
			.Text(Text(TEXT("Ready! Sync metadata updates the title and preview image from your local definition asset")))
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.Padding(0, 20, 0, 0)
		.HAlign(HAlign_Left)
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.Padding(0, 0, 10, 0)
			[
				MakeButtonBox(SyncButton)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			[
				SNew(SHyperlink)
				.Text(Text(TEXT("Add/Edit Images & Videos")))
				.OnNavigate(this, &SDrovikWorkshopWindow::WorkshopItemLinkClicked)
			]
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeNewQuarnModPage()
{
	return SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		.HAlign(HAlign_Left)
		[
			SNew(STextBlock)
			.Text(Text(TEXT("No QRN folder found, is this a new map? if so create a new Drovik:Quarn mod")))
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.Padding(0, 10, 0, 0)
		[
			SNew(STextBlock)
			.Text(Text(TEXT("Map Name")))
			.AutoWrapText(true)
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.HAlign(HAlign_Left)
		[
			SNew(SEditableTextBox)
			.MinDesiredWidth(512)
			.OnTextChanged(this, &SDrovikWorkshopWindow::OnMapNameTextChanged)
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.Padding(0, 20, 0, 0)
		.HAlign(HAlign_Left)
		[
			MakeButtonBox(MakeButton(TEXT("Create New"), FOnClicked::CreateSP(this, &SDrovikWorkshopWindow::CreateNewClicked)))
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeQuarnModPage()
{
	return SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		.HAlign(HAlign_Left)
		[
			SNew(STextBlock)
			.Text(Text(TEXT("Setup complete!")))
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeTestingPage()
{
	return MakeActionPage(TEXT("Click on \"stage\" to cook and copy the map to your Drovik installation for testing purposes, single player only"),
						  {
							  {MakeActionButton(TEXT("Stage"), FOnClicked::CreateSP(this, &SDrovikWorkshopWindow::StageButtonClicked), EJobKind::Stage), 10},
							  {MakeCheckBox(TEXT("Cook only what changed"), ECheckBoxState::Unchecked,
											FOnCheckStateChanged::CreateSP(this, &SDrovikWorkshopWindow::OnCookOnlyWhatChangedChanged)),
							   5},
						  });
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeDeploymentPage()
{
	return MakeActionPage(TEXT("Submit content to the workshop"),
						  {
							  {SNew(STextBlock).Text(Text(TEXT("Change note"))).AutoWrapText(true), 10, true},
							  {SNew(SEditableTextBox).MinDesiredWidth(512).OnTextChanged(this, &SDrovikWorkshopWindow::OnNotesTextChanged), 0},
							  {MakeActionButton(TEXT("Submit"), FOnClicked::CreateSP(this, &SDrovikWorkshopWindow::SubmitButtonClicked), EJobKind::Submit), 10},
						  });
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeServerMapPage()
{
	return MakeActionPage(
		TEXT("Select the build platform(s)"),
		{
			{MakeActionButton(TEXT("Build Selected Platform(s)"), FOnClicked::CreateSP(this, &SDrovikWorkshopWindow::SubmitQuarnClicked), EJobKind::Deploy), 10},
			{MakeCheckBox(TEXT("Windows"), ECheckBoxState::Unchecked, FOnCheckStateChanged::CreateSP(this, &SDrovikWorkshopWindow::OnWindowsBuildPlatformsChanged)), 5},
			{MakeCheckBox(TEXT("Android"), ECheckBoxState::Checked, FOnCheckStateChanged::CreateSP(this, &SDrovikWorkshopWindow::OnAndroidBuildPlatformsChanged)), 5},
		});
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeActionPage(const TCHAR* Explanation, const TArray<FPageRow>& Rows)
{
	TSharedRef<SVerticalBox> Column = SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.FillHeight(1)
		[
			SNew(STextBlock)
			.Text(Text(Explanation))
			.AutoWrapText(true)
		];
	for (const FPageRow& Row : Rows)
	{
		Column->AddSlot()
			.AutoHeight()
			.HAlign(Row.bFillWidth ? HAlign_Fill : HAlign_Left)
			.VAlign(VAlign_Top)
			.Padding(0, Row.TopPadding, 0, 0)
			[
				Row.Widget
			];
	}
	return MakePage(Column);
}

TSharedRef<SButton> SDrovikWorkshopWindow::MakeButton(const TCHAR* Label, FOnClicked OnClicked) const
{
	return SNew(SButton)
		.HAlign(HAlign_Center)
		.VAlign(VAlign_Center)
		.Text(Text(Label))
		.OnClicked(OnClicked);
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeButtonBox(const TSharedRef<SWidget>& Content)
{
	return SNew(SBox)
		.MinDesiredWidth(200)
		.MinDesiredHeight(40)
		[
			Content
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeActionButton(const TCHAR* Label, FOnClicked OnClicked, EJobKind Kind)
{
	TSharedRef<SButton> Button = MakeButton(Label, OnClicked);
	Button->SetVisibility(StandbyVisibility);
	const TAttribute<EVisibility> ProgressVisibility =
		TAttribute<EVisibility>::Create(TAttribute<EVisibility>::FGetter::CreateLambda([this, Kind]() { return GetJobProgressVisibility(Kind); }));
	return SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		.HAlign(HAlign_Left)
		[
			MakeButtonBox(
				SNew(SOverlay)
				+ SOverlay::Slot()
				[
					SNew(SThrobber)
					.Visibility(BusyVisibility)
				]
				+ SOverlay::Slot()
				[
					Button
				])
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.Padding(0, 5, 0, 0)
		[
			SNew(STextBlock)
			.Text(JobStepText)
			.Visibility(ProgressVisibility)
		]
		+ SVerticalBox::Slot()
		.AutoHeight()
		.Padding(0, 5, 0, 0)
		[
			SNew(SBox)
			.WidthOverride(400)
			.HeightOverride(12)
			.Visibility(ProgressVisibility)
			[
				SNew(SProgressBar)
				.Percent(JobPercent)
			]
		];
}

TSharedRef<SWidget> SDrovikWorkshopWindow::MakeCheckBox(const TCHAR* Label, ECheckBoxState InitialState,
																	 FOnCheckStateChanged OnChanged)
{
	return SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.FillWidth(1)
		.HAlign(HAlign_Left)
		[
			SNew(SCheckBox)
			.IsChecked(InitialState)
			.OnCheckStateChanged(OnChanged)
			[
				SNew(STextBlock)
				.Text(Text(Label))
				.AutoWrapText(true)
			]
		];
}
