// Small helpers of the Slate tests: laying a tree out in a window and finding widgets in it.
#pragma once

#include "SlateBasics.h"
#include "Standin/SlateWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace SlateTests
{
using Standin::Slate::FHeadlessWindow;
using Standin::Slate::FVisibleWidget;

inline FText Text(const char* Utf8) { return FText::FromString(FString(Utf8)); }

// The geometry of the shown widget, or a failed test when it is not shown.
inline FGeometry GeometryOf(const FHeadlessWindow& Window, const TSharedRef<SWidget>& Widget)
{
	for (const FVisibleWidget& Visible : Window.Layout())
	{
		if (Visible.Widget == Widget)
		{
			return Visible.Geometry;
		}
	}
	ADD_FAILURE() << "widget is not shown";
	return FGeometry();
}

inline bool IsShown(const FHeadlessWindow& Window, const TSharedRef<SWidget>& Widget)
{
	for (const FVisibleWidget& Visible : Window.Layout())
	{
		if (Visible.Widget == Widget)
		{
			return true;
		}
	}
	return false;
}

// A fixed-size block to lay out.
inline TSharedRef<SBox> Block(float Width, float Height)
{
	return SNew(SBox).WidthOverride(Width).HeightOverride(Height);
}
} // namespace SlateTests

#define EXPECT_RECT(Geometry, PX, PY, PW, PH)                                                                              \
	do                                                                                                                 \
	{                                                                                                                  \
		const FGeometry G_ = (Geometry);                                                                               \
		EXPECT_FLOAT_EQ(G_.AbsolutePosition.X, PX);                                                                     \
		EXPECT_FLOAT_EQ(G_.AbsolutePosition.Y, PY);                                                                     \
		EXPECT_FLOAT_EQ(G_.Size.X, PW);                                                                                 \
		EXPECT_FLOAT_EQ(G_.Size.Y, PH);                                                                                 \
	} while (false)
