// Headless toolkit (not engine API): a window that holds widget trees (its content and the layers
// drawn over it), lays them out and paints them as Slate does each frame, prints them, delivers
// clicks and typing to the widget with a given label, and renders them to a PNG.
#pragma once

#include "CoreMinimal.h"
#include "Input/HittestGrid.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlatePaint.h"
#include "Widgets/SWidget.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Standin::Slate
{
// One shown widget of a laid-out window, in layout (depth-first, paint) order.
struct FVisibleWidget
{
	TSharedRef<SWidget> Widget;
	FGeometry Geometry;
	int32 Depth = 0;
};

class FHeadlessWindow
{
public:
	FHeadlessWindow(const TSharedRef<SWidget>& InContent, const FVector2D& InSize);

	const TSharedRef<SWidget>& GetContent() const { return Layers.front(); }
	const FVector2D& GetSize() const { return Size; }
	// A widget tree laid out over the whole window and drawn above the content and the layers
	// added before it (the notification area, for one).
	void AddLayer(const TSharedRef<SWidget>& Layer) { Layers.push_back(Layer); }

	// Lays the window out and paints it now (attributes are read afresh), repeating until the
	// layout has settled (wrapped text learns its width from the previous pass, as across Slate's
	// frames), and gives every shown widget, each layer's root at depth 0.
	std::vector<FVisibleWidget> Layout() const;

	// One line per shown widget: indentation by depth, type, "label", the rectangle as (x,y wxh),
	// and for a notification its state, for a progress bar its percentage or "marquee". Null
	// widgets are left out.
	std::string Describe() const;

	// Clicks the shown button, hyperlink or check box labelled Label (the first in layout order,
	// the layers drawn last searched first): a left-button press and release at its centre, routed
	// as Slate routes them to the widgets under that point. On failure: false, with Error
	// `no visible widget labelled "<label>"`, or why the widget could not take the click (it is
	// disabled, or another widget covers it).
	bool Click(std::string_view Label, std::string& Error);

	// Types Text into the first shown text box that follows, in layout order, the shown text block
	// labelled Label: selects all of its text, then sends every character as a key press (an
	// empty Text sends a backspace), so the box reports each change through OnTextChanged.
	bool Type(std::string_view Label, std::string_view Text, std::string& Error);

	// Splits the arguments of `type` into label and text: a label in double quotes, or else the
	// longest run of leading words that is the label of a shown text block. Quotes around the text
	// are removed. Nothing when no shown text block matches.
	std::optional<std::pair<std::string, std::string>> SplitLabelAndText(std::string_view Arguments) const;

	FImage Render() const;
	bool Screenshot(const std::filesystem::path& HostPath, std::string& Error) const;

private:
	// One layout and paint of every layer into the grid and the element list.
	void PaintLayers() const;
	// The widgets of the grid's path under the point, outermost first.
	TArray<FWidgetAndPointer> PathAt(const FVector2D& Point, bool bIgnoreEnabledStatus) const;
	// Why a click at the widget's centre would not reach it; empty when it would.
	std::string WhyUnreachable(const FVisibleWidget& Target, std::string_view Label) const;

	std::vector<TSharedRef<SWidget>> Layers;
	FVector2D Size;
	mutable FHittestGrid Grid;
	mutable FSlateWindowElementList Elements;
};

// The label of a widget in UTF-8, as `show`, `click` and `type` name it: a text block's or text
// box's text, a tab's label, and for a button, hyperlink, check box or notification the label of
// its content; empty for other widgets.
std::string GetWidgetLabel(const SWidget& Widget);
} // namespace Standin::Slate
