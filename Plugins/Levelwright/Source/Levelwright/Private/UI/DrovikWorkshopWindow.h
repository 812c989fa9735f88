// The content of the "Drovik Workshop" tab. It keeps no map state: its queries read the module's
// shared state on every layout and paint, and its handlers write module fields or call its operations.
#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Input/Reply.h"
#include "Layout/Visibility.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SCheckBox.h"
#include "Widgets/SCompoundWidget.h"

class SButton;
enum class EJobKind : uint8;
struct FSlateDynamicImageBrush;

class SDrovikWorkshopWindow : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SDrovikWorkshopWindow) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	FText GetConfigState() const;
	FText GetMapTabLabel() const;
	EVisibility GetBusyVisibility() const;
	EVisibility GetStandbyVisibility() const;
	int32 GetMapSwitcherIndex() const;
	int32 GetTabIndex() const;
	// The running job's step and fraction done (unset when unknown), shown under its page's throbber.
	FText GetJobStepText() const;
	TOptional<float> GetJobPercent() const;
	// Visible on the page whose job runs, while it runs.
	EVisibility GetJobProgressVisibility(EJobKind Kind) const;

	void OnAndroidBuildPlatformsChanged(ECheckBoxState NewState);
	void OnWindowsBuildPlatformsChanged(ECheckBoxState NewState);
	void OnCookOnlyWhatChangedChanged(ECheckBoxState NewState);
	void OnMapNameTextChanged(const FText& Text);
	void OnNotesTextChanged(const FText& Text);
	FReply CreateNewClicked();
	FReply StageButtonClicked();
	FReply SubmitButtonClicked();
	FReply SubmitQuarnClicked();
	FReply SyncTitleClicked();
	void WorkshopItemLinkClicked();

private:
	TSharedRef<SWidget> MakeHeader();
	TSharedRef<SWidget> MakePageHeaders();
	// The Setup page shows one of four inner pages (GetMapSwitcherIndex).
	TSharedRef<SWidget> MakeSetupPage();
	TSharedRef<SWidget> MakeNewWorkshopMapPage();
	TSharedRef<SWidget> MakeWorkshopMapPage();
	TSharedRef<SWidget> MakeNewQuarnModPage();
	TSharedRef<SWidget> MakeQuarnModPage();
	// One row below an action page's explanation: at the left (or across the page), TopPadding below
	// the row above it.
	struct FPageRow
	{
		TSharedRef<SWidget> Widget;
		float TopPadding;
		bool bFillWidth = false;
	};
	// An action page: its explanation fills the spare height, so the rows below it sit at the bottom.
	TSharedRef<SWidget> MakeActionPage(const TCHAR* Explanation, const TArray<FPageRow>& Rows);
	TSharedRef<SWidget> MakeTestingPage();
	TSharedRef<SWidget> MakeDeploymentPage();
	TSharedRef<SWidget> MakeServerMapPage();
	// Every button of the window's actions: its label centred in a box of at least 200 x 40.
	TSharedRef<SButton> MakeButton(const TCHAR* Label, FOnClicked OnClicked) const;
	static TSharedRef<SWidget> MakeButtonBox(const TSharedRef<SWidget>& Content);
	// A button that starts a job of Kind, with the throbber that takes its place while a job runs, and
	// under it the job's step and a progress bar while that job runs.
	TSharedRef<SWidget> MakeActionButton(const TCHAR* Label, FOnClicked OnClicked, EJobKind Kind);
	TSharedRef<SWidget> MakeCheckBox(const TCHAR* Label, ECheckBoxState InitialState, FOnCheckStateChanged OnChanged);

	TAttribute<FText> ConfigText;
	TAttribute<FText> MapTabLabel;
	TAttribute<EVisibility> BusyVisibility;
	TAttribute<EVisibility> StandbyVisibility;
	TAttribute<int32> MapSwitcherIndex;
	TAttribute<int32> TabIndex;
	TAttribute<FText> JobStepText;
	TAttribute<TOptional<float>> JobPercent;
	// The logo's brush lives exactly as long as the window that shows it.
	TSharedPtr<FSlateDynamicImageBrush> LogoBrush;
};
