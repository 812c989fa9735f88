#include "Standin/SlateWindow.h"

#include "Standin/StringUtf8.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Text/STextBlock.h"
#include "../Widgets/WidgetLabels.h"

#include <algorithm>
#include <cmath>
#include <sstream>

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

long Round(float Value) { return std::lround(Value); }

bool IsTextBlock(const SWidget& Widget) { return Widget.GetType() == FName(TEXT("STextBlock")); }
} // namespace

std::string GetWidgetLabel(const SWidget& Widget)
{
	FString Label = Widget.GetStandinLabel();
	if (Label.IsEmpty() && Widget.IsStandinClickable())
	{
		Label = FindContentLabel(Widget);
	}
	return Standin::ToUtf8(Label);
}

FHeadlessWindow::FHeadlessWindow(const TSharedRef<SWidget>& InContent, const FVector2D& InSize) : Content(InContent), Size(InSize) {}

std::vector<FVisibleWidget> FHeadlessWindow::Layout() const { return LayoutWindow(Content, Size); }

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
		if (const std::string Label = Standin::ToUtf8(Visible.Widget->GetStandinLabel()); !Label.empty())
		{
			Out << " \"" << Label << "\"";
		}
		const FGeometry& G = Visible.Geometry;
		Out << " (" << Round(G.AbsolutePosition.X) << "," << Round(G.AbsolutePosition.Y) << " " << Round(G.Size.X) << "x" << Round(G.Size.Y)
			<< ")\n";
	}
	return Out.str();
}

bool FHeadlessWindow::Click(std::string_view Label, std::string& Error)
{
	const std::string Wanted = Unquote(Label);
	for (const FVisibleWidget& Visible : Layout())
	{
		SWidget& Widget = *Visible.Widget;
		if (!Widget.IsStandinClickable() || GetWidgetLabel(Widget) != Wanted)
		{
			continue;
		}
		if (!Widget.GetVisibility().IsHitTestVisible())
		{
			continue;
		}
		if (!Widget.IsEnabled())
		{
			Error = "the widget labelled \"" + Wanted + "\" is disabled";
			return false;
		}
		Widget.StandinClick();
		return true;
	}
	Error = NoVisibleWidget(Wanted);
	return false;
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
		if (Candidate.Widget->GetType() == FName(TEXT("SEditableTextBox")))
		{
			auto& Box = static_cast<SEditableTextBox&>(*Candidate.Widget);
			if (!Box.StandinTypeText(FText::FromString(Standin::FromUtf8(Text))))
			{
				Error = "the text box under \"" + std::string(Label) + "\" does not take input";
				return false;
			}
			return true;
		}
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

FImage FHeadlessWindow::Render() const { return PaintWindow(Content, Size); }

bool FHeadlessWindow::Screenshot(const std::filesystem::path& HostPath, std::string& Error) const
{
	std::error_code Ec;
	if (HostPath.has_parent_path())
	{
		std::filesystem::create_directories(HostPath.parent_path(), Ec);
	}
	return SavePng(Render(), HostPath, &Error);
}
} // namespace Standin::Slate
