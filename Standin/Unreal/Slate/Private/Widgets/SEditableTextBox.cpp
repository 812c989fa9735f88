#include "Widgets/Input/SEditableTextBox.h"

#include "Layout/Clipping.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlatePaint.h"
#include "Styling/WidgetStyle.h"

#include <algorithm>

using namespace Standin::Slate;

namespace
{
std::u16string_view View(const FString& Text) { return std::u16string_view(*Text, Text.Len()); }
} // namespace

void SEditableTextBox::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style ? InArgs._Style : &FCoreStyle::Get().GetWidgetStyle<FEditableTextBoxStyle>(FName(TEXT("NormalEditableTextBox")));
	BoundText = InArgs._Text;
	HintText = InArgs._HintText;
	IsReadOnly = InArgs._IsReadOnly;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	OnTextChanged = InArgs._OnTextChanged;
	OnTextCommitted = InArgs._OnTextCommitted;
	EditedText = BoundText.Get(FText::GetEmpty());
	LastBoundValue = EditedText.ToString();
}

void SEditableTextBox::SyncFromBoundText() const
{
	if (BoundText.IsBound())
	{
		const FText Current = BoundText.Get();
		if (!Current.ToString().Equals(LastBoundValue, ESearchCase::CaseSensitive))
		{
			LastBoundValue = Current.ToString();
			EditedText = Current;
		}
	}
}

FText SEditableTextBox::GetText() const
{
	SyncFromBoundText();
	return EditedText;
}

void SEditableTextBox::SetText(const TAttribute<FText>& InNewText)
{
	BoundText = InNewText;
	EditedText = BoundText.Get(FText::GetEmpty());
	LastBoundValue = EditedText.ToString();
}

void SEditableTextBox::SelectAllText() { bAllSelected = true; }

void SEditableTextBox::ClearSelection() { bAllSelected = false; }

FReply SEditableTextBox::OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent)
{
	const TCHAR Character = InCharacterEvent.GetCharacter();
	const bool bBackspace = Character == TCHAR('\b');
	// A one-line box takes no other control characters (Enter and Tab are keys, not text, here).
	if (IsReadOnly.Get(false) || (Character < 0x20 && !bBackspace))
	{
		return FReply::Unhandled();
	}
	FString Text = GetText().ToString();
	if (bAllSelected)
	{
		Text.Empty();
		bAllSelected = false;
		if (bBackspace)
		{
			EditedText = FText::FromString(Text);
			OnTextChanged.ExecuteIfBound(EditedText);
			return FReply::Handled();
		}
	}
	if (bBackspace)
	{
		if (Text.IsEmpty())
		{
			return FReply::Handled();
		}
		Text = Text.Left(Text.Len() - 1);
	}
	else
	{
		Text.AppendChar(Character);
	}
	EditedText = FText::FromString(Text);
	OnTextChanged.ExecuteIfBound(EditedText);
	return FReply::Handled();
}

FVector2D SEditableTextBox::ComputeDesiredSize(float) const
{
	const FTextMetrics Metrics = MeasureLine(View(GetText().ToString()), static_cast<float>(Style->Font.Size), WeightOf(Style->Font));
	const float Width = std::max(Metrics.Width + Style->Padding.GetTotalSpaceAlong<Orient_Horizontal>(), MinDesiredWidth.Get(0.0f));
	return FVector2D(Width, LineHeight(static_cast<float>(Style->Font.Size), WeightOf(Style->Font)) + Style->Padding.GetTotalSpaceAlong<Orient_Vertical>());
}

int32 SEditableTextBox::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
								FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const ESlateDrawEffect DrawEffects = ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
	const FSlateBrush* Background = IsReadOnly.Get(false) ? &Style->BackgroundImageReadOnly : &Style->BackgroundImageNormal;
	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), Background, DrawEffects,
							   Multiply(Background->GetTint(InWidgetStyle), InWidgetStyle.GetColorAndOpacityTint()));

	// The text (or the hint while there is none) inside the padding, clipped to the frame's inside.
	const FString Current = GetText().ToString();
	const bool bShowHint = Current.IsEmpty();
	const FString Shown = bShowHint ? HintText.Get(FText::GetEmpty()).ToString() : Current;
	const FLinearColor Colour = bShowHint ? Look::SubduedForeground : Style->ForegroundColor.GetColor(InWidgetStyle);
	const FVector2D Size = AllottedGeometry.GetLocalSize();
	OutDrawElements.PushClip(FSlateClippingZone(AllottedGeometry.MakeChild(FVector2D(1, 1), FVector2D(Size.X - 2, Size.Y - 2))));
	FSlateDrawElement::MakeText(OutDrawElements, LayerId + 1,
								AllottedGeometry.ToPaintGeometry(FVector2D(Style->Padding.Left, Style->Padding.Top),
																 FVector2D(std::max(0.0f, Size.X - Style->Padding.GetTotalSpaceAlong<Orient_Horizontal>()), Size.Y)),
								Shown, Style->Font, DrawEffects, Multiply(Colour, InWidgetStyle.GetColorAndOpacityTint()));
	OutDrawElements.PopClip();
	return LayerId + 1;
}
