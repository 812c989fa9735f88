#include "SlateTestHelpers.h"

#include <gmock/gmock.h>

using namespace SlateTests;
using ::testing::HasSubstr;

namespace
{
// Two pages of buttons behind a switcher, a collapsed panel, a check box, a link and a text box.
struct FSampleForm
{
	int32 Page = 0;
	int ClicksA = 0, ClicksB = 0, ClicksHidden = 0, Navigations = 0;
	std::vector<ECheckBoxState> CheckChanges;
	std::vector<FString> TypedTexts;
	TSharedPtr<SCheckBox> CheckBox;
	TSharedPtr<SEditableTextBox> NameBox;

	TSharedRef<SWidget> Build()
	{
		return SNew(SVerticalBox) +
			   SVerticalBox::Slot().AutoHeight()
				   [SNew(SWidgetSwitcher).WidgetIndex(TAttribute<int32>::Create(TAttribute<int32>::FGetter::CreateLambda([this] { return Page; }))) +
					SWidgetSwitcher::Slot()[SNew(SButton).Text(Text("Alpha")).OnClicked(FOnClicked::CreateLambda([this] {
						++ClicksA;
						return FReply::Handled();
					}))] +
					SWidgetSwitcher::Slot()[SNew(SButton).Text(Text("Beta")).OnClicked(FOnClicked::CreateLambda([this] {
						++ClicksB;
						return FReply::Handled();
					}))]] +
			   SVerticalBox::Slot().AutoHeight()[SNew(SBorder).Visibility(EVisibility::Collapsed)[SNew(SButton).Text(Text("Hidden")).OnClicked(
				   FOnClicked::CreateLambda([this] {
					   ++ClicksHidden;
					   return FReply::Handled();
				   }))]] +
			   SVerticalBox::Slot().AutoHeight()[SAssignNew(CheckBox, SCheckBox)
													 .IsChecked(ECheckBoxState::Checked)
													 .OnCheckStateChanged(FOnCheckStateChanged::CreateLambda(
														 [this](ECheckBoxState State) { CheckChanges.push_back(State); }))[SNew(STextBlock).Text(Text("Android"))]] +
			   SVerticalBox::Slot().AutoHeight()[SNew(SHyperlink).Text(Text("Add/Edit Images & Videos")).OnNavigate(FSimpleDelegate::CreateLambda([this] {
				   ++Navigations;
			   }))] +
			   SVerticalBox::Slot().AutoHeight()[SNew(STextBlock).Text(Text("Map Name"))] +
			   SVerticalBox::Slot().AutoHeight()[SAssignNew(NameBox, SEditableTextBox).MinDesiredWidth(512).OnTextChanged(
				   FOnTextChanged::CreateLambda([this](const FText& NewText) { TypedTexts.push_back(NewText.ToString()); }))];
	}
};
} // namespace

TEST(SlateInteraction, ClickReachesOnlyTheWidgetsThatAreShown)
{
	FSampleForm Form;
	FHeadlessWindow Window(Form.Build(), FVector2D(1024, 640));
	std::string Error;

	EXPECT_FALSE(Window.Click("Beta", Error));
	EXPECT_EQ(Error, "no visible widget labelled \"Beta\"");
	EXPECT_FALSE(Window.Click("Hidden", Error));
	EXPECT_EQ(Error, "no visible widget labelled \"Hidden\"");
	EXPECT_TRUE(Window.Click("Alpha", Error)) << Error;
	EXPECT_EQ(Form.ClicksA, 1);

	Form.Page = 1;
	EXPECT_FALSE(Window.Click("Alpha", Error));
	EXPECT_TRUE(Window.Click("Beta", Error)) << Error;
	EXPECT_EQ(Form.ClicksB, 1);
	EXPECT_EQ(Form.ClicksHidden, 0);
}

TEST(SlateInteraction, DisabledButtonRefusesTheClick)
{
	int Clicks = 0;
	FHeadlessWindow Window(SNew(SButton).Text(Text("Stage")).IsEnabled(false).OnClicked(FOnClicked::CreateLambda([&] {
		++Clicks;
		return FReply::Handled();
	})),
						   FVector2D(200, 40));
	std::string Error;
	EXPECT_FALSE(Window.Click("Stage", Error));
	EXPECT_THAT(Error, HasSubstr("disabled"));
	EXPECT_EQ(Clicks, 0);
}

TEST(SlateInteraction, CheckBoxTogglesItsOwnStateAndReportsIt)
{
	FSampleForm Form;
	FHeadlessWindow Window(Form.Build(), FVector2D(1024, 640));
	std::string Error;

	ASSERT_TRUE(Window.Click("Android", Error)) << Error;
	ASSERT_TRUE(Window.Click("Android", Error)) << Error;
	EXPECT_EQ(Form.CheckChanges, (std::vector<ECheckBoxState>{ECheckBoxState::Unchecked, ECheckBoxState::Checked}));
	EXPECT_TRUE(Form.CheckBox->IsChecked());
}

TEST(SlateInteraction, BoundCheckStateIsLeftToItsOwner)
{
	ECheckBoxState Owned = ECheckBoxState::Unchecked;
	std::vector<ECheckBoxState> Reported;
	const TSharedRef<SCheckBox> Box = SNew(SCheckBox)
										  .IsChecked(TAttribute<ECheckBoxState>::Create(TAttribute<ECheckBoxState>::FGetter::CreateLambda([&] { return Owned; })))
										  .OnCheckStateChanged(FOnCheckStateChanged::CreateLambda([&](ECheckBoxState State) { Reported.push_back(State); }));
	Box->ToggleCheckedState();
	EXPECT_EQ(Reported, std::vector<ECheckBoxState>{ECheckBoxState::Checked});
	EXPECT_FALSE(Box->IsChecked());
}

TEST(SlateInteraction, HyperlinkNavigatesWhenClicked)
{
	FSampleForm Form;
	FHeadlessWindow Window(Form.Build(), FVector2D(1024, 640));
	std::string Error;
	ASSERT_TRUE(Window.Click("Add/Edit Images & Videos", Error)) << Error;
	EXPECT_EQ(Form.Navigations, 1);
}

TEST(SlateInteraction, TypingGoesToTheTextBoxUnderTheLabel)
{
	FSampleForm Form;
	FHeadlessWindow Window(Form.Build(), FVector2D(1024, 640));

	const auto Split = Window.SplitLabelAndText("Map Name Arena of Drovik");
	ASSERT_TRUE(Split.has_value());
	EXPECT_EQ(Split->first, "Map Name");
	EXPECT_EQ(Split->second, "Arena of Drovik");

	std::string Error;
	ASSERT_TRUE(Window.Type(Split->first, Split->second, Error)) << Error;
	// One change per key, as a keyboard gives them.
	ASSERT_EQ(Form.TypedTexts.size(), 15u);
	EXPECT_EQ(Form.TypedTexts.front(), FString("A"));
	EXPECT_EQ(Form.TypedTexts[4], FString("Arena"));
	EXPECT_EQ(Form.TypedTexts.back(), FString("Arena of Drovik"));
	EXPECT_EQ(Form.NameBox->GetText().ToString(), FString("Arena of Drovik"));

	// The text typed before is selected first, so the first key replaces it.
	Form.TypedTexts.clear();
	ASSERT_TRUE(Window.Type("Map Name", "Cove", Error)) << Error;
	EXPECT_EQ(Form.TypedTexts, (std::vector<FString>{FString("C"), FString("Co"), FString("Cov"), FString("Cove")}));
	// Nothing to type clears the box with a backspace.
	ASSERT_TRUE(Window.Type("Map Name", "", Error)) << Error;
	EXPECT_EQ(Form.TypedTexts.back(), FString());
	EXPECT_TRUE(Form.NameBox->GetText().IsEmpty());

	const auto Quoted = Window.SplitLabelAndText("\"Map Name\" \"two  blanks\"");
	ASSERT_TRUE(Quoted.has_value());
	EXPECT_EQ(Quoted->second, "two  blanks");
	EXPECT_FALSE(Window.SplitLabelAndText("Change note hello").has_value());

	EXPECT_FALSE(Window.Type("Nowhere", "x", Error));
	EXPECT_EQ(Error, "no visible widget labelled \"Nowhere\"");
}

TEST(SlateInteraction, DescribeListsShownWidgetsWithTheirRectangles)
{
	FSampleForm Form;
	FHeadlessWindow Window(Form.Build(), FVector2D(1024, 640));
	const std::string Text = Window.Describe();

	EXPECT_THAT(Text, HasSubstr("SVerticalBox (0,0 1024x640)\n"));
	EXPECT_THAT(Text, HasSubstr("  SWidgetSwitcher (0,0 1024x"));
	EXPECT_THAT(Text, HasSubstr("    SButton \"Alpha\" (0,0 1024x"));
	EXPECT_THAT(Text, HasSubstr("SCheckBox \"Android\""));
	EXPECT_THAT(Text, HasSubstr("SHyperlink \"Add/Edit Images & Videos\""));
	EXPECT_THAT(Text, ::testing::Not(HasSubstr("Beta")));
	EXPECT_THAT(Text, ::testing::Not(HasSubstr("Hidden")));
	EXPECT_THAT(Text, ::testing::Not(HasSubstr("SNullWidget")));
}

TEST(SlateInteraction, ClickIsRoutedToTheWidgetOnTopAtThePoint)
{
	int Clicks = 0;
	TSharedPtr<SBorder> Cover;
	FHeadlessWindow Window(SNew(SOverlay) +
							   SOverlay::Slot()[SNew(SButton).Text(Text("Under")).OnClicked(FOnClicked::CreateLambda([&] {
								   ++Clicks;
								   return FReply::Handled();
							   }))] +
							   SOverlay::Slot().HAlign(HAlign_Left).VAlign(VAlign_Top)[SAssignNew(Cover, SBorder).Padding(0)[Block(200, 40)]],
						   FVector2D(200, 40));
	std::string Error;
	EXPECT_FALSE(Window.Click("Under", Error));
	EXPECT_EQ(Error, "the widget labelled \"Under\" is covered by SBox");
	EXPECT_EQ(Clicks, 0);

	// A cover that takes no hits lets the click through, to the button under it.
	Cover->SetVisibility(EVisibility::HitTestInvisible);
	EXPECT_TRUE(Window.Click("Under", Error)) << Error;
	EXPECT_EQ(Clicks, 1);
}

TEST(SlateInteraction, AButtonClicksOnlyWhenPressedAndReleasedOverIt)
{
	int Clicks = 0;
	const TSharedRef<SButton> Button = SNew(SButton).Text(Text("Stage")).OnClicked(FOnClicked::CreateLambda([&] {
		++Clicks;
		return FReply::Handled();
	}));
	const FGeometry Geometry(FVector2D(10, 10), FVector2D(0, 0), FVector2D(100, 30), 1.0f);
	auto Event = [](float X, bool bDown) {
		TSet<FKey> Pressed;
		if (bDown)
		{
			Pressed.Add(EKeys::LeftMouseButton);
		}
		return FPointerEvent(0, FVector2D(X, 20), FVector2D(X, 20), Pressed, EKeys::LeftMouseButton, 0, FModifierKeysState());
	};

	const FReply Down = Button->OnMouseButtonDown(Geometry, Event(50, true));
	EXPECT_TRUE(Down.IsEventHandled());
	EXPECT_EQ(Down.GetMouseCaptor().Get(), &*Button);
	EXPECT_TRUE(Button->IsPressed());
	// Released away from the button: no click.
	EXPECT_TRUE(Button->OnMouseButtonUp(Geometry, Event(300, false)).ShouldReleaseMouse());
	EXPECT_EQ(Clicks, 0);
	// A release without a press before it: no click either.
	Button->OnMouseButtonUp(Geometry, Event(50, false));
	EXPECT_EQ(Clicks, 0);

	Button->OnMouseButtonDown(Geometry, Event(50, true));
	Button->OnMouseButtonUp(Geometry, Event(50, false));
	EXPECT_EQ(Clicks, 1);
	EXPECT_FALSE(Button->IsPressed());
}

TEST(SlateInteraction, ATextBoxThatIsReadOnlyOrDisabledTakesNoTyping)
{
	std::vector<FString> Changes;
	TSharedPtr<SEditableTextBox> Box;
	bool bReadOnly = true;
	FHeadlessWindow Window(SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[SNew(STextBlock).Text(Text("Change note"))] +
							   SVerticalBox::Slot().AutoHeight()[SAssignNew(Box, SEditableTextBox)
																	 .Text(Text("first"))
																	 .IsReadOnly(TAttribute<bool>::Create(TAttribute<bool>::FGetter::CreateLambda([&] { return bReadOnly; })))
																	 .OnTextChanged(FOnTextChanged::CreateLambda([&](const FText& New) { Changes.push_back(New.ToString()); }))],
						   FVector2D(400, 100));
	std::string Error;
	EXPECT_FALSE(Window.Type("Change note", "second", Error));
	EXPECT_EQ(Error, "the text box under \"Change note\" does not take input");

	bReadOnly = false;
	Box->SetEnabled(false);
	EXPECT_FALSE(Window.Type("Change note", "second", Error));
	EXPECT_EQ(Error, "the text box under \"Change note\" does not take input");
	EXPECT_TRUE(Changes.empty());
	EXPECT_EQ(Box->GetText().ToString(), FString("first"));

	Box->SetEnabled(true);
	EXPECT_TRUE(Window.Type("Change note", "second", Error)) << Error;
	EXPECT_EQ(Box->GetText().ToString(), FString("second"));
}

TEST(SlateInteraction, AHyperlinkIsAButtonAroundItsText)
{
	int Navigations = 0;
	FHeadlessWindow Window(SNew(SOverlay) + SOverlay::Slot().HAlign(HAlign_Left).VAlign(VAlign_Top)[SNew(SHyperlink).Text(Text("Show Log")).OnNavigate(
														   FSimpleDelegate::CreateLambda([&] { ++Navigations; }))],
						   FVector2D(300, 100));
	const std::string Shown = Window.Describe();
	EXPECT_THAT(Shown, HasSubstr("\n  SHyperlink \"Show Log\" (0,0 "));
	EXPECT_THAT(Shown, HasSubstr("\n    STextBlock \"Show Log\" (0,0 "));
	std::string Error;
	ASSERT_TRUE(Window.Click("Show Log", Error)) << Error;
	EXPECT_EQ(Navigations, 1);
}
