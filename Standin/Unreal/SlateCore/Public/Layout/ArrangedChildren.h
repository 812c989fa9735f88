#pragma once

#include "CoreMinimal.h"
#include "Layout/ArrangedWidget.h"
#include "Layout/Visibility.h"

#include <vector>

// What a widget's OnArrangeChildren produces: the children that pass the visibility filter
// (by default only those that are shown), in paint order.
class FArrangedChildren
{
public:
	explicit FArrangedChildren(EVisibility InVisibilityFilter = EVisibility::Visible) : VisibilityFilter(InVisibilityFilter) {}

	bool Accepts(EVisibility InVisibility) const;
	void AddWidget(EVisibility VisibilityOverride, const FArrangedWidget& InWidgetGeometry);
	void AddWidget(const FArrangedWidget& InWidgetGeometry);

	int32 Num() const { return static_cast<int32>(Widgets.size()); }
	FArrangedWidget& operator[](int32 Index) { return Widgets[Index]; }
	const FArrangedWidget& operator[](int32 Index) const { return Widgets[Index]; }
	auto begin() const { return Widgets.begin(); }
	auto end() const { return Widgets.end(); }

private:
	EVisibility VisibilityFilter;
	std::vector<FArrangedWidget> Widgets;
};
