#include "EditorStyleSet.h"

#include "Brushes/SlateBoxBrush.h"
#include "Brushes/SlateNoResource.h"
#include "Standin/SlatePaint.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/SlateTypes.h"

namespace
{
using namespace Standin::Slate;

// The editor's images the stand-in knows. It has no image files: each is painted in the editor's
// dark look by a painter of its own.
constexpr const TCHAR* GroupBorder = TEXT("Common/GroupBorder");
constexpr const TCHAR* DarkGroupBorder = TEXT("Common/DarkGroupBorder");
constexpr const TCHAR* DetailCategoryTop = TEXT("PropertyView/DetailCategoryTop");

FName EditorImage(const TCHAR* RelativePath) { return FName(*(FString(TEXT("Engine/Content/Editor/Slate/")) + RelativePath + TEXT(".png"))); }

void PaintPanel(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Fill, const FLinearColor& Tint)
{
	Canvas.FillRoundedRect(Rect, 3, ToRgba(Multiply(Fill, Tint)));
	Canvas.StrokeRect(Rect, 1.0f, ToRgba(FLinearColor(Look::PanelOutline.R, Look::PanelOutline.G, Look::PanelOutline.B, Look::PanelOutline.A * Tint.A)));
}

void PaintGroupBorder(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { PaintPanel(Canvas, Rect, Look::PanelBackground, Tint); }
void PaintDarkGroupBorder(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { PaintPanel(Canvas, Rect, Look::WindowBackground, Tint); }

FSlateBrush* Box(const TCHAR* Image, const FMargin& Margin) { return new FSlateBoxBrush(EditorImage(Image), Margin); }

class FEditorStyleSet : public FSlateStyleSet
{
public:
	FEditorStyleSet() : FSlateStyleSet(FName(TEXT("EditorStyle")))
	{
		RegisterBrushPainter(EditorImage(GroupBorder), &PaintGroupBorder);
		RegisterBrushPainter(EditorImage(DarkGroupBorder), &PaintDarkGroupBorder);
		RegisterBrushPainter(EditorImage(DetailCategoryTop), &PaintGroupBorder);

		Set(FName(TEXT("ToolPanel.GroupBorder")), Box(GroupBorder, FMargin(4.0f / 16.0f)));
		Set(FName(TEXT("ToolPanel.DarkGroupBorder")), Box(DarkGroupBorder, FMargin(4.0f / 16.0f)));
		Set(FName(TEXT("DetailsView.CategoryTop")), Box(DetailCategoryTop, FMargin(4 / 16.0f, 8.0f / 16.0f, 4 / 16.0f, 4 / 16.0f)));
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
