#include "SlateTestHelpers.h"

using namespace SlateTests;

TEST(SlateLayout, AutoSlotTakesItsContentSizeAndFillTakesTheRest)
{
	const TSharedRef<SBox> Top = Block(120, 30);
	const TSharedRef<SBox> Rest = Block(10, 10);
	FHeadlessWindow Window(SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[Top] + SVerticalBox::Slot()[Rest], FVector2D(300, 200));

	EXPECT_RECT(GeometryOf(Window, Top), 0, 0, 300, 30);
	EXPECT_RECT(GeometryOf(Window, Rest), 0, 30, 300, 170);
}

TEST(SlateLayout, FillSlotsShareTheRemainingSpaceByWeight)
{
	const TSharedRef<SBox> Fixed = Block(100, 10), One = Block(5, 10), Three = Block(5, 10);
	FHeadlessWindow Window(SNew(SHorizontalBox) + SHorizontalBox::Slot().AutoWidth()[Fixed] + SHorizontalBox::Slot().FillWidth(1)[One] +
							   SHorizontalBox::Slot().FillWidth(3)[Three],
						   FVector2D(500, 40));

	EXPECT_RECT(GeometryOf(Window, Fixed), 0, 0, 100, 40);
	EXPECT_RECT(GeometryOf(Window, One), 100, 0, 100, 40);
	EXPECT_RECT(GeometryOf(Window, Three), 200, 0, 300, 40);
}

TEST(SlateLayout, PaddingAndAlignmentPlaceTheChildInItsSlot)
{
	const TSharedRef<SBox> Right = Block(50, 20), Centred = Block(40, 10), Left = Block(30, 10);
	FHeadlessWindow Window(SNew(SOverlay) + SOverlay::Slot().Padding(10, 20, 30, 40).HAlign(HAlign_Right).VAlign(VAlign_Center)[Right] +
							   SOverlay::Slot().Padding(5).HAlign(HAlign_Center).VAlign(VAlign_Bottom)[Centred] +
							   SOverlay::Slot().Padding(8, 4).HAlign(HAlign_Left).VAlign(VAlign_Fill)[Left],
						   FVector2D(300, 200));

	EXPECT_RECT(GeometryOf(Window, Right), 220, 80, 50, 20);
	EXPECT_RECT(GeometryOf(Window, Centred), 130, 185, 40, 10);
	EXPECT_RECT(GeometryOf(Window, Left), 8, 4, 30, 192);
}

TEST(SlateLayout, BoxPanelDesiredSizeSumsSlotsWithPadding)
{
	const TSharedRef<SVerticalBox> Column = SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight().Padding(0, 20, 0, 0)[Block(80, 30)] +
											SVerticalBox::Slot().AutoHeight().Padding(5)[Block(120, 10)];
	Column->SlatePrepass();
	EXPECT_EQ(Column->GetDesiredSize(), FVector2D(130, 70));
}

TEST(SlateLayout, MinimumBoxIsAtLeast200By40AndGrowsWithLargerContent)
{
	const TSharedRef<SBox> Small = SNew(SBox).MinDesiredWidth(200).MinDesiredHeight(40)[SNew(SButton).Text(Text("Go"))];
	const TSharedRef<SBox> Large = SNew(SBox).MinDesiredWidth(200).MinDesiredHeight(40)[Block(260, 50)];
	const TSharedRef<SBox> Capped = SNew(SBox).MaxDesiredWidth(100)[Block(260, 50)];
	FHeadlessWindow Window(SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Left)[Small] +
							   SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Left)[Large] +
							   SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Left)[Capped],
						   FVector2D(600, 400));

	EXPECT_RECT(GeometryOf(Window, Small), 0, 0, 200, 40);
	EXPECT_RECT(GeometryOf(Window, Large), 0, 40, 260, 50);
	EXPECT_RECT(GeometryOf(Window, Capped), 0, 90, 100, 50);
}

TEST(SlateLayout, CollapsedWidgetTakesNoSpaceAndHiddenKeepsItsSpace)
{
	const TSharedRef<SBox> First = Block(10, 10), Middle = Block(10, 10), Last = Block(10, 10);
	FHeadlessWindow Window(SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[First] + SVerticalBox::Slot().AutoHeight()[Middle] +
							   SVerticalBox::Slot().AutoHeight()[Last],
						   FVector2D(100, 100));

	Middle->SetVisibility(EVisibility::Collapsed);
	EXPECT_FALSE(IsShown(Window, Middle));
	EXPECT_FLOAT_EQ(GeometryOf(Window, Last).AbsolutePosition.Y, 10);

	Middle->SetVisibility(EVisibility::Hidden);
	EXPECT_FALSE(IsShown(Window, Middle));
	EXPECT_FLOAT_EQ(GeometryOf(Window, Last).AbsolutePosition.Y, 20);
}

TEST(SlateLayout, SwitcherShowsOnlyItsActiveSlot)
{
	const TSharedRef<SBox> Page0 = Block(50, 50), Page1 = Block(70, 20);
	TSharedPtr<SWidgetSwitcher> Switcher;
	FHeadlessWindow Window(SNew(SOverlay) + SOverlay::Slot().HAlign(HAlign_Left).VAlign(VAlign_Top)
												[SAssignNew(Switcher, SWidgetSwitcher).WidgetIndex(1) + SWidgetSwitcher::Slot()[Page0] +
												 SWidgetSwitcher::Slot()[Page1]],
						   FVector2D(200, 200));

	EXPECT_FALSE(IsShown(Window, Page0));
	EXPECT_RECT(GeometryOf(Window, Page1), 0, 0, 70, 20);
	EXPECT_EQ(Switcher->GetDesiredSize(), FVector2D(70, 20));

	Switcher->SetActiveWidgetIndex(0);
	EXPECT_TRUE(IsShown(Window, Page0));
	EXPECT_FALSE(IsShown(Window, Page1));

	Switcher->SetActiveWidgetIndex(7);
	EXPECT_FALSE(IsShown(Window, Page0));
	EXPECT_FALSE(IsShown(Window, Page1));
}

namespace
{
// A widget whose children read its state through attributes bound with the declarative syntax.
class SBoundSample : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SBoundSample) {}
	SLATE_END_ARGS()

	void Construct(const FArguments&)
	{
		ChildSlot[SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[SAssignNew(Label, STextBlock).Text(this, &SBoundSample::GetLabel)] +
				  SVerticalBox::Slot().AutoHeight()[SAssignNew(Extra, SBox).HeightOverride(25).Visibility(this, &SBoundSample::GetExtraVisibility)] +
				  SVerticalBox::Slot().AutoHeight()[SAssignNew(Tail, SBox).HeightOverride(5)]];
	}

	FText GetLabel() const
	{
		++LabelReads;
		return FText::FromString(FString(bLong ? "a much longer label than before" : "short"));
	}
	EVisibility GetExtraVisibility() const { return bShowExtra ? EVisibility::Visible : EVisibility::Collapsed; }

	bool bLong = false;
	bool bShowExtra = false;
	mutable int LabelReads = 0;
	TSharedPtr<STextBlock> Label;
	TSharedPtr<SBox> Extra;
	TSharedPtr<SBox> Tail;
};
} // namespace

TEST(SlateLayout, BoundAttributesAreReadAgainAtEveryLayout)
{
	const TSharedRef<SBoundSample> Sample = SNew(SBoundSample);
	FHeadlessWindow Window(SNew(SOverlay) + SOverlay::Slot().HAlign(HAlign_Left).VAlign(VAlign_Top)[Sample], FVector2D(400, 300));

	const float ShortWidth = GeometryOf(Window, Sample->Label.ToSharedRef()).Size.X;
	const float TailTop = GeometryOf(Window, Sample->Tail.ToSharedRef()).AbsolutePosition.Y;
	const int ReadsBefore = Sample->LabelReads;

	Sample->bLong = true;
	Sample->bShowExtra = true;
	EXPECT_GT(GeometryOf(Window, Sample->Label.ToSharedRef()).Size.X, ShortWidth);
	EXPECT_FLOAT_EQ(GeometryOf(Window, Sample->Tail.ToSharedRef()).AbsolutePosition.Y, TailTop + 25);
	EXPECT_GT(Sample->LabelReads, ReadsBefore);
	EXPECT_EQ(Sample->Label->GetText().ToString(), FString("a much longer label than before"));
}

TEST(SlateLayout, TextIsMeasuredWithTheFontAndWrapsAtTheGivenWidth)
{
	const FText Sentence = Text("Click on stage to cook and copy the map to your installation for testing purposes");
	const TSharedRef<STextBlock> OneLine = SNew(STextBlock).Text(Sentence);
	const TSharedRef<STextBlock> Wrapped = SNew(STextBlock).Text(Sentence).AutoWrapText(true);
	FHeadlessWindow Window(SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Left)[OneLine] +
							   SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Left)[SNew(SBox).WidthOverride(150).HAlign(HAlign_Left)[Wrapped]],
						   FVector2D(800, 400));

	const FGeometry Line = GeometryOf(Window, OneLine);
	EXPECT_GT(Line.Size.X, 300);
	EXPECT_GT(Line.Size.Y, 10);
	EXPECT_LT(Line.Size.Y, 20);

	const FGeometry Block = GeometryOf(Window, Wrapped);
	EXPECT_LE(Block.Size.X, 150);
	EXPECT_GE(Block.Size.Y, 3 * Line.Size.Y);
	EXPECT_FLOAT_EQ(std::fmod(Block.Size.Y, Line.Size.Y), 0.0f);
}
