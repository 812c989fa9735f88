// The headless window: layout, painting, `show` and rendering.
#include "Standin/SlateWindow.h"

#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Standin/SlateApplication.h"
#include "Standin/StringUtf8.h"
#include "Styling/CoreStyle.h"
#include "Styling/WidgetStyle.h"
#include "Types/PaintArgs.h"
#include "Widgets/SNullWidget.h"
#include "SlateWidgetInfo.h"

#include <cmath>
#include <sstream>

namespace Standin::Slate
{
namespace
{
constexpr int MaxLayoutPasses = 4;

long Round(float Value) { return std::lround(Value); }

FGeometry WindowGeometry(const FVector2D& Size) { return FGeometry(FVector2D(0, 0), FVector2D(0, 0), Size, 1.0f); }

void CollectVisible(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, int32 Depth, std::vector<FVisibleWidget>& Out)
{
	Out.push_back(FVisibleWidget{Widget, Geometry, Depth});
	FArrangedChildren Arranged(EVisibility::Visible);
	Widget->ArrangeChildren(Geometry, Arranged);
	for (const FArrangedWidget& Child : Arranged)
	{
		CollectVisible(Child.Widget, Child.Geometry, Depth + 1, Out);
	}
}

// The desired sizes of every widget the prepass reached, in a fixed order.
void CollectDesiredSizes(const TSharedRef<SWidget>& Widget, std::vector<FVector2D>& Out)
{
	Out.push_back(Widget->GetDesiredSize());
	if (FChildren* Children = Widget->GetChildren())
	{
		for (int32 Index = 0; Index < Children->Num(); ++Index)
		{
			const TSharedRef<SWidget> Child = Children->GetChildAt(Index);
			if (Child->GetVisibility() != EVisibility::Collapsed)
			{
				CollectDesiredSizes(Child, Out);
			}
		}
	}
}
} // namespace

FHeadlessWindow::FHeadlessWindow(const TSharedRef<SWidget>& InContent, const FVector2D& InSize) : Layers{InContent}, Size(InSize), Elements(nullptr) {}

void FHeadlessWindow::PaintLayers() const
{
	Grid.ClearGridForNewFrame(FSlateRect(0, 0, Size.X, Size.Y));
	Elements.ResetElementList();
	const FWidgetStyle RootStyle = FWidgetStyle().SetForegroundColor(Look::DefaultForeground);
	int32 LayerId = 0;
	for (const TSharedRef<SWidget>& Layer : Layers)
	{
		if (Layer->GetVisibility().IsVisible())
		{
			const FPaintArgs Args(*Layer, Grid, FVector2D(0, 0), GetCurrentTime(), GetDeltaTime());
			LayerId = Layer->Paint(Args, WindowGeometry(Size), FSlateRect(0, 0, Size.X, Size.Y), Elements, LayerId, RootStyle, true) + 1;
		}
	}
}

std::vector<FVisibleWidget> FHeadlessWindow::Layout() const
{
	// Painting caches each widget's geometry, which wrapped text measures itself at in the next
	// prepass: the layout has settled when a prepass after painting changes no desired size.
	std::vector<FVector2D> Before, After;
	for (const TSharedRef<SWidget>& Layer : Layers)
	{
		Layer->SlatePrepass(1.0f);
	}
	for (int Pass = 0; Pass < MaxLayoutPasses; ++Pass)
	{
		Before.clear();
		After.clear();
		for (const TSharedRef<SWidget>& Layer : Layers)
		{
			CollectDesiredSizes(Layer, Before);
		}
		PaintLayers();
		for (const TSharedRef<SWidget>& Layer : Layers)
		{
			Layer->SlatePrepass(1.0f);
			CollectDesiredSizes(Layer, After);
		}
		if (Before == After)
		{
			break;
		}
	}
	std::vector<FVisibleWidget> Visible;
	for (const TSharedRef<SWidget>& Layer : Layers)
	{
		if (Layer->GetVisibility().IsVisible())
		{
			CollectVisible(Layer, WindowGeometry(Size), 0, Visible);
		}
	}
	return Visible;
}

std::string FHeadlessWindow::Describe() const
{
	std::ostringstream Out;
	for (const FVisibleWidget& Visible : Layout())
	{
		if (Visible.Widget == SNullWidget::NullWidget)
		{
			continue;
		}
		Out << std::string(static_cast<std::size_t>(Visible.Depth) * 2, ' ') << Standin::ToUtf8(Visible.Widget->GetTypeAsString());
		if (const std::string Label = GetWidgetLabel(*Visible.Widget); !Label.empty())
		{
			Out << " \"" << Label << "\"";
		}
		const FGeometry& G = Visible.Geometry;
		Out << " (" << Round(G.AbsolutePosition.X) << "," << Round(G.AbsolutePosition.Y) << " " << Round(G.Size.X) << "x" << Round(G.Size.Y) << ")";
		if (const std::string State = DescribeState(*Visible.Widget, G); !State.empty())
		{
			Out << " " << State;
		}
		Out << "\n";
	}
	return Out.str();
}

FImage FHeadlessWindow::Render() const
{
	Layout();
	// The core style names the images the renderer paints itself.
	FCoreStyle::Get();
	FCanvas Canvas(static_cast<int>(std::lround(Size.X)), static_cast<int>(std::lround(Size.Y)), ToRgba(Look::WindowBackground));
	DrawElements(Elements, Canvas);
	return Canvas.GetImage();
}

bool FHeadlessWindow::Screenshot(const std::filesystem::path& HostPath, std::string& Error) const
{
	std::error_code Ec;
	if (HostPath.has_parent_path())
	{
		std::filesystem::create_directories(HostPath.parent_path(), Ec);
	}
	return SavePng(Render(), HostPath, &Error);
}

std::string GetWidgetLabel(const SWidget& Widget) { return Standin::ToUtf8(LabelOf(Widget)); }
} // namespace Standin::Slate
