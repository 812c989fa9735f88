#include "SlateWidgetInfo.h"

#include "Layout/Children.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Text/STextBlock.h"

namespace Standin::Slate
{
namespace
{
bool IsOfType(const SWidget& Widget, const TCHAR* Type) { return Widget.GetType() == FName(Type); }

// Widgets that have no text of their own and are called by the text of their content.
bool IsLabelledByContent(const SWidget& Widget) { return IsClickable(Widget); }

FString ContentLabel(const SWidget& Widget)
{
	FChildren* Children = const_cast<SWidget&>(Widget).GetChildren();
	for (int32 Index = 0; Children && Index < Children->Num(); ++Index)
	{
		const TSharedRef<SWidget> Child = Children->GetChildAt(Index);
		FString Label = LabelOf(*Child);
		if (Label.IsEmpty())
		{
			Label = ContentLabel(*Child);
		}
		if (!Label.IsEmpty())
		{
			return Label;
		}
	}
	return FString();
}
} // namespace

bool IsClickable(const SWidget& Widget)
{
	return IsOfType(Widget, TEXT("SButton")) || IsOfType(Widget, TEXT("SHyperlink")) || IsOfType(Widget, TEXT("SCheckBox"));
}

bool IsTextBlock(const SWidget& Widget) { return IsOfType(Widget, TEXT("STextBlock")); }

bool IsTextBox(const SWidget& Widget) { return IsOfType(Widget, TEXT("SEditableTextBox")); }

FString LabelOf(const SWidget& Widget)
{
	if (IsTextBlock(Widget))
	{
		return static_cast<const STextBlock&>(Widget).GetText().ToString();
	}
	if (IsTextBox(Widget))
	{
		return static_cast<const SEditableTextBox&>(Widget).GetText().ToString();
	}
	if (IsOfType(Widget, TEXT("SDockTab")))
	{
		return static_cast<const SDockTab&>(Widget).GetTabLabel().ToString();
	}
	return IsLabelledByContent(Widget) ? ContentLabel(Widget) : FString();
}
} // namespace Standin::Slate
