#include "WindowCommands.h"

#include "Framework/Docking/TabManager.h"
#include "Standin/Machine.h"
#include "Standin/SlateApplication.h"
#include "Standin/SlateTabs.h"
#include "Standin/SlateWindow.h"

#include <iostream>
#include <memory>

namespace Standin::Editor
{
namespace
{
const FName WorkshopTabId(TEXT("DrovikWorkshopTab"));
const FVector2D WindowSize(1024, 640);

struct FOpenTab
{
	TSharedRef<SDockTab> Tab;
	Standin::Slate::FHeadlessWindow Window;
};

std::unique_ptr<FOpenTab>& OpenTab()
{
	static std::unique_ptr<FOpenTab> Open;
	return Open;
}

FCommandResult Done() { return FCommandResult{true, true, {}}; }
FCommandResult Failed(std::string Error) { return FCommandResult{true, false, std::move(Error)}; }

std::string Unquote(std::string_view Text)
{
	const auto First = Text.find_first_not_of(" \t");
	if (First == std::string_view::npos)
	{
		return std::string();
	}
	Text = Text.substr(First, Text.find_last_not_of(" \t\r\n") - First + 1);
	if (Text.size() >= 2 && Text.front() == '"' && Text.back() == '"')
	{
		Text = Text.substr(1, Text.size() - 2);
	}
	return std::string(Text);
}

FCommandResult OpenWorkshopTab()
{
	if (OpenTab())
	{
		return Done();
	}
	const TSharedPtr<SDockTab> Tab = FGlobalTabmanager::Get()->TryInvokeTab(FTabId(WorkshopTabId));
	if (!Tab.IsValid())
	{
		return Failed("no tab spawner \"DrovikWorkshopTab\" is registered");
	}
	OpenTab() = std::make_unique<FOpenTab>(FOpenTab{Tab.ToSharedRef(), Standin::Slate::FHeadlessWindow(Tab.ToSharedRef(), WindowSize)});
	OpenTab()->Window.Layout();
	return Done();
}

FCommandResult CloseWorkshopTab()
{
	if (!OpenTab())
	{
		return Failed("the Drovik Workshop tab is not open");
	}
	const TSharedRef<SDockTab> Tab = OpenTab()->Tab;
	OpenTab().reset();
	Tab->RequestCloseTab();
	return Done();
}

std::filesystem::path OutputPath(std::string_view Argument, const std::filesystem::path& StartFolder)
{
	const std::filesystem::path Path = Standin::Machine::ToHostPath(Unquote(Argument));
	return Path.is_absolute() ? Path : StartFolder / Path;
}

FCommandResult RunInWindow(std::string_view Verb, std::string_view Arguments, const std::filesystem::path& StartFolder)
{
	if (!OpenTab())
	{
		return Failed(std::string(Verb) + ": the Drovik Workshop tab is not open");
	}
	Standin::Slate::FHeadlessWindow& Window = OpenTab()->Window;
	std::string Error;
	if (Verb == "click")
	{
		return Window.Click(Unquote(Arguments), Error) ? Done() : Failed(Error);
	}
	if (Verb == "type")
	{
		const auto LabelAndText = Window.SplitLabelAndText(Arguments);
		if (!LabelAndText)
		{
			return Failed("no visible widget labelled \"" + Unquote(Arguments) + "\"");
		}
		return Window.Type(LabelAndText->first, LabelAndText->second, Error) ? Done() : Failed(Error);
	}
	if (Verb == "show")
	{
		std::cout << Window.Describe() << std::flush;
		return Done();
	}
	if (Unquote(Arguments).empty())
	{
		return Failed("screenshot: a file name is needed");
	}
	return Window.Screenshot(OutputPath(Arguments, StartFolder), Error) ? Done() : Failed(Error);
}
} // namespace

FCommandResult RunWindowCommand(std::string_view Verb, std::string_view Arguments, const std::filesystem::path& StartFolder)
{
	if (Verb == "open-tab")
	{
		return OpenWorkshopTab();
	}
	if (Verb == "close-tab")
	{
		return CloseWorkshopTab();
	}
	if (Verb == "click" || Verb == "type" || Verb == "show" || Verb == "screenshot")
	{
		return RunInWindow(Verb, Arguments, StartFolder);
	}
	return FCommandResult{};
}

void TickWindows(float DeltaSeconds)
{
	Standin::Slate::Tick(DeltaSeconds);
	if (OpenTab())
	{
		OpenTab()->Window.Layout();
	}
}

void CloseAllWindows()
{
	OpenTab().reset();
	Standin::Slate::CloseAllTabs();
}
} // namespace Standin::Editor
