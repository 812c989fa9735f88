#include "WidgetLabels.h"

#include "Layout/Children.h"

namespace Standin::Slate
{
FString FindContentLabel(const SWidget& Widget)
{
	FChildren* Children = const_cast<SWidget&>(Widget).GetChildren();
	for (int32 Index = 0; Children && Index < Children->Num(); ++Index)
	{
		const TSharedRef<SWidget> Child = Children->GetChildAt(Index);
		FString Label = Child->GetStandinLabel();
		if (Label.IsEmpty())
		{
			Label = FindContentLabel(*Child);
		}
		if (!Label.IsEmpty())
		{
			return Label;
		}
	}
	return FString();
}
} // namespace Standin::Slate
