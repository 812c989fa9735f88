// The headless window's input: clicks routed through the hit-test grid as Slate routes the mouse,
// and typing as key presses into a text box.
#include "Standin/SlateWindow.h"

#include "Standin/StringUtf8.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "SlateWidgetInfo.h"

#include <algorithm>

namespace Standin::Slate
{
namespace
{
std::string Trim(std::string_view Text)
{
	const auto First = Text.find_first_not_of(" \t");
	if (First == std::string_view::npos)
	{
		return std::string();
	}
	const auto Last = Text.find_last_not_of(" \t\r\n");
	return std::string(Text.substr(First, Last - First + 1));
}

std::string Unquote(std::string_view Text)
{
	std::string Trimmed = Trim(Text);
	if (Trimmed.size() >= 2 && Trimmed.front() == '"' && Trimmed.back() == '"')
	{
		return Trimmed.substr(1, Trimmed.size() - 2);
	}
	return Trimmed;
}

std::string NoVisibleWidget(std::string_view Label) { return "no visible widget labelled \"" + std::string(Label) + "\""; }

FVector2D CentreOf(const FGeometry& Geometry) { return Geometry.AbsolutePosition + Geometry.GetAbsoluteSize() * 0.5f; }

bool PathHas(const TArray<FWidgetAndPointer>& Path, const SWidget& Widget)
{
	return Path.ContainsByPredicate([&](const FWidgetAndPointer& Entry) { return &*Entry.Widget == &Widget; });
}

FPointerEvent LeftButtonEvent(const FVector2D& Point, bool bPressed)
{
	TSet<FKey> Pressed;
	if (bPressed)
	{
		Pressed.Add(EKeys::LeftMouseButton);
	}
	return FPointerEvent(0, Point, Point, Pressed, EKeys::LeftMouseButton, 0.0f, FModifierKeysState());
}

// Offers the event to the widgets of the path from the innermost outwards until one handles it.
template <typename HandlerType>
FReply Bubble(const TArray<FWidgetAndPointer>& Path, HandlerType&& Handler)
{
	for (int32 Index = Path.Num() - 1; Index >= 0; --Index)
	{
		const FReply Reply = Handler(*Path[Index].Widget, Path[Index].Geometry);
		if (Reply.IsEventHandled())
		{
			return Reply;
		}
	}
	return FReply::Unhandled();
}
} // namespace

TArray<FWidgetAndPointer> FHeadlessWindow::PathAt(const FVector2D& Point, bool bIgnoreEnabledStatus) const
{
	return Grid.GetBubblePath(Point, 0.0f, bIgnoreEnabledStatus);
}

std::string FHeadlessWindow::WhyUnreachable(const FVisibleWidget& Target, std::string_view Label) const
{
	const FVector2D Point = CentreOf(Target.Geometry);
	if (PathHas(PathAt(Point, false), *Target.Widget))
	{
		return std::string();
	}
	const TArray<FWidgetAndPointer> Unfiltered = PathAt(Point, true);
	if (PathHas(Unfiltered, *Target.Widget))
	{
		return "the widget labelled \"" + std::string(Label) + "\" is disabled";
	}
	const std::string Cover = Unfiltered.Num() > 0 ? Standin::ToUtf8(Unfiltered.Last().Widget->GetTypeAsString()) : std::string("nothing");
	return "the widget labelled \"" + std::string(Label) + "\" is covered by " + Cover;
}

bool FHeadlessWindow::Click(std::string_view Label, std::string& Error)
{
	const std::string Wanted = Unquote(Label);
	const std::vector<FVisibleWidget> Visible = Layout();
	// The layers drawn last are on top: their widgets are found first.
	std::vector<const FVisibleWidget*> Candidates;
	for (auto Layer = Layers.rbegin(); Layer != Layers.rend(); ++Layer)
	{
		bool bInLayer = false;
		for (const FVisibleWidget& Shown : Visible)
		{
			bInLayer = Shown.Depth == 0 ? Shown.Widget == *Layer : bInLayer;
			if (bInLayer && IsClickable(*Shown.Widget) && Shown.Widget->GetVisibility().IsHitTestVisible() && GetWidgetLabel(*Shown.Widget) == Wanted)
			{
				Candidates.push_back(&Shown);
			}
		}
	}
	if (Candidates.empty())
	{
		Error = NoVisibleWidget(Wanted);
		return false;
	}
	const FVisibleWidget& Target = *Candidates.front();
	Error = WhyUnreachable(Target, Wanted);
	if (!Error.empty())
	{
		return false;
	}
	const FVector2D Point = CentreOf(Target.Geometry);
	const TArray<FWidgetAndPointer> Path = PathAt(Point, false);
	const FReply Down = Bubble(Path, [&](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnMouseButtonDown(Geometry, LeftButtonEvent(Point, true)); });
	// A widget that captured the mouse gets the release; otherwise it goes to the widgets under the point.
	const TSharedPtr<SWidget> Captor = Down.GetMouseCaptor();
	if (Captor.IsValid())
	{
		FGeometry CaptorGeometry = Captor->GetCachedGeometry();
		for (const FWidgetAndPointer& Entry : Path)
		{
			CaptorGeometry = Entry.Widget == Captor.ToSharedRef() ? Entry.Geometry : CaptorGeometry;
		}
		Captor->OnMouseButtonUp(CaptorGeometry, LeftButtonEvent(Point, false));
	}
	else
	{
		Bubble(Path, [&](SWidget& Widget, const FGeometry& Geometry) { return Widget.OnMouseButtonUp(Geometry, LeftButtonEvent(Point, false)); });
	}
	return true;
}

bool FHeadlessWindow::Type(std::string_view Label, std::string_view Text, std::string& Error)
{
	const std::vector<FVisibleWidget> Visible = Layout();
	bool bFoundLabel = false;
	for (const FVisibleWidget& Candidate : Visible)
	{
		if (!bFoundLabel)
		{
			bFoundLabel = IsTextBlock(*Candidate.Widget) && GetWidgetLabel(*Candidate.Widget) == Label;
			continue;
		}
		if (!IsTextBox(*Candidate.Widget))
		{
			continue;
		}
		const std::string DoesNotTakeInput = "the text box under \"" + std::string(Label) + "\" does not take input";
		if (!WhyUnreachable(Candidate, GetWidgetLabel(*Candidate.Widget)).empty())
		{
			Error = DoesNotTakeInput;
			return false;
		}
		auto& Box = static_cast<SEditableTextBox&>(*Candidate.Widget);
		Box.SelectAllText();
		FString Typed = Standin::FromUtf8(Text);
		if (Typed.IsEmpty())
		{
			Typed = FString(TEXT("\b"));
		}
		for (int32 Index = 0; Index < Typed.Len(); ++Index)
		{
			const FCharacterEvent Key((*Typed)[Index], FModifierKeysState(), 0, false);
			if (!Box.OnKeyChar(Candidate.Geometry, Key).IsEventHandled())
			{
				Error = DoesNotTakeInput;
				return false;
			}
		}
		return true;
	}
	Error = bFoundLabel ? "no visible text box under \"" + std::string(Label) + "\"" : NoVisibleWidget(Label);
	return false;
}

std::optional<std::pair<std::string, std::string>> FHeadlessWindow::SplitLabelAndText(std::string_view Arguments) const
{
	const std::string Trimmed = Trim(Arguments);
	if (!Trimmed.empty() && Trimmed.front() == '"')
	{
		const auto Close = Trimmed.find('"', 1);
		if (Close != std::string::npos)
		{
			return std::make_pair(Trimmed.substr(1, Close - 1), Unquote(std::string_view(Trimmed).substr(Close + 1)));
		}
	}
	std::vector<std::string> Labels;
	for (const FVisibleWidget& Visible : Layout())
	{
		if (IsTextBlock(*Visible.Widget))
		{
			Labels.push_back(GetWidgetLabel(*Visible.Widget));
		}
	}
	// The longest leading run of words that names a shown text block.
	std::vector<std::size_t> Ends{Trimmed.size()};
	for (std::size_t Blank = Trimmed.rfind(' '); Blank != std::string::npos && Blank > 0; Blank = Trimmed.rfind(' ', Blank - 1))
	{
		Ends.push_back(Blank);
	}
	for (const std::size_t End : Ends)
	{
		const std::string Candidate = Trim(std::string_view(Trimmed).substr(0, End));
		if (std::find(Labels.begin(), Labels.end(), Candidate) != Labels.end())
		{
			return std::make_pair(Candidate, Unquote(std::string_view(Trimmed).substr(End)));
		}
	}
	return std::nullopt;
}
} // namespace Standin::Slate
