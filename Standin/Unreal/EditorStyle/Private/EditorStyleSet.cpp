#include "EditorStyleSet.h"

#include "Brushes/SlateColorBrush.h"
#include "Brushes/SlateNoResource.h"
#include "Standin/SlatePaint.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"

namespace
{
FSlateBrush* Panel(const FLinearColor& Fill, const FLinearColor& Outline)
{
	FSlateBrush* Brush = new FSlateColorBrush(Fill);
	Brush->StandinCornerRadius = 3;
	Brush->StandinOutlineColor = Outline;
	return Brush;
}

// The editor brushes the stand-in knows, drawn in the editor's dark look. Icons have no image
// files here and draw nothing, at their usual size.
class FEditorStyleSet : public FSlateStyleSet
{
public:
	FEditorStyleSet() : FSlateStyleSet(FName(TEXT("EditorStyle")))
	{
		using namespace Standin::Slate;
		Set(FName(TEXT("ToolPanel.GroupBorder")), Panel(Look::PanelBackground, Look::PanelOutline));
		Set(FName(TEXT("ToolPanel.DarkGroupBorder")), Panel(Look::WindowBackground, Look::PanelOutline));
		Set(FName(TEXT("DetailsView.CategoryTop")), Panel(Look::PanelBackground, Look::PanelOutline));
		Set(FName(TEXT("NoBorder")), new FSlateNoResource());
		for (const TCHAR* Icon : {TEXT("Log.TabIcon"), TEXT("LevelEditor.Tabs.Details"), TEXT("LevelEditor.Tabs.Viewports")})
		{
			Set(FName(Icon), new FSlateNoResource(FVector2D(16, 16)));
		}
		Set(FName(TEXT("Button")), FCoreStyle::Get().GetWidgetStyle<FButtonStyle>(FName(TEXT("Button"))));
		FSlateStyleRegistry::RegisterSlateStyle(*this);
	}
};
} // namespace

const ISlateStyle& FEditorStyle::Get()
{
	static const FEditorStyleSet Style;
	return Style;
}

const FName& FEditorStyle::GetStyleSetName() { return Get().GetStyleSetName(); }
