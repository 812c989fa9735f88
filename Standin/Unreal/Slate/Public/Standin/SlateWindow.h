// Headless toolkit (not engine API): a window that holds a widget tree, lays it out, prints it,
// delivers clicks and typing to the widget with a given label, and renders it to a PNG.
#pragma once

#include "CoreMinimal.h"
#include "Standin/SlatePaint.h"
#include "Widgets/SWidget.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Standin::Slate
{
class FHeadlessWindow
{
public:
	FHeadlessWindow(const TSharedRef<SWidget>& InContent, const FVector2D& InSize);

	const TSharedRef<SWidget>& GetContent() const { return Content; }
	const FVector2D& GetSize() const { return Size; }

	// Lays the window out now (attributes are read afresh) and gives every shown widget.
	std::vector<FVisibleWidget> Layout() const;

	// One line per shown widget: indentation by depth, type, "label", and the rectangle as
	// (x,y wxh). Null widgets are left out.
	std::string Describe() const;

	// Clicks the shown button, hyperlink or check box labelled Label (the first in layout order).
	// On failure: false, with Error `no visible widget labelled "<label>"` (or why the widget
	// refused the click).
	bool Click(std::string_view Label, std::string& Error);

	// Types Text into the first shown text box that follows, in layout order, the shown text block
	// labelled Label; the box reports the whole text through OnTextChanged.
	bool Type(std::string_view Label, std::string_view Text, std::string& Error);

	// Splits the arguments of `type` into label and text: a label in double quotes, or else the
	// longest run of leading words that is the label of a shown text block. Quotes around the text
	// are removed. Nothing when no shown text block matches.
	std::optional<std::pair<std::string, std::string>> SplitLabelAndText(std::string_view Arguments) const;

	FImage Render() const;
	bool Screenshot(const std::filesystem::path& HostPath, std::string& Error) const;

private:
	TSharedRef<SWidget> Content;
	FVector2D Size;
};

// The label of a widget in UTF-8: its own, or for a widget without one (a button with content),
// the label of its first labelled descendant.
std::string GetWidgetLabel(const SWidget& Widget);
} // namespace Standin::Slate
