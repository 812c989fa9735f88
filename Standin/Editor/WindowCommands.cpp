#include "WindowCommands.h"

#include "Framework/Docking/TabManager.h"
#include "MessageBoxWindow.h"
#include "Standin/Dialogs.h"
#include "Standin/Engine.h"
#include "Standin/Machine.h"
#include "Standin/SlateApplication.h"
#include "Standin/SlateTabs.h"
#include "Standin/SlateWindow.h"
#include "Standin/StringUtf8.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/SNullWidget.h"
#include "Widgets/Text/STextBlock.h"

#include <iostream>
#include <memory>
#include <vector>

namespace Standin::Editor
{
namespace
{
const FName WorkshopTabId(TEXT("DrovikWorkshopTab"));
// The engine's OutputLog module registers its tab under this name.
const FName OutputLogTabId(TEXT("OutputLog"));
const FVector2D WindowSize(1024, 640);

using Standin::Slate::FHeadlessWindow;

struct FEditorWindows
{
	TSharedPtr<SDockTab> WorkshopTab;
	// The main window: the workshop tab (or nothing) under the notification area.
	std::unique_ptr<FHeadlessWindow> Main;
	std::unique_ptr<FHeadlessWindow> OutputLog;
};

FEditorWindows& Windows()
{
	static FEditorWindows Open;
	return Open;
}

void MakeMainWindow()
{
	const TSharedRef<SWidget> Content = Windows().WorkshopTab.IsValid() ? StaticCastSharedRef<SWidget>(Windows().WorkshopTab.ToSharedRef()) : SNullWidget::NullWidget;
	Windows().Main = std::make_unique<FHeadlessWindow>(Content, WindowSize);
	Windows().Main->AddLayer(Standin::Slate::GetNotificationArea());
}

FHeadlessWindow& MainWindow()
{
	if (!Windows().Main)
	{
		MakeMainWindow();
	}
	return *Windows().Main;
}

// Where the log is written: what the Output Log tab points the author to.
FText LogFileText()
{
	const Standin::Engine::FSettings& Settings = Standin::Engine::GetSettings();
	if (Settings.ProjectFile.empty())
	{
		return FText::FromString(TEXT("No project is open: nothing is logged to a file."));
	}
	const std::string Name = Settings.LogFileName.empty() ? Settings.ProjectFile.stem().string() + ".log" : Settings.LogFileName;
	const std::filesystem::path LogFile = Settings.ProjectFile.parent_path() / "Saved" / "Logs" / Name;
	return FText::FromString(Standin::FromUtf8("Log file: " + LogFile.generic_string()));
}

TSharedRef<SDockTab> SpawnOutputLog(const FSpawnTabArgs&)
{
	const TSharedRef<SDockTab> Tab = SNew(SDockTab)
										 .TabRole(ETabRole::NomadTab)
										 .Label(FText::FromString(TEXT("Output Log")))
										 .OnTabClosed(SDockTab::FOnTabClosedCallback::CreateLambda([](TSharedRef<SDockTab>) { Windows().OutputLog.reset(); }))
										 [SNew(SBorder).Padding(4)[SNew(STextBlock).Text(LogFileText()).AutoWrapText(true)]];
	Windows().OutputLog = std::make_unique<FHeadlessWindow>(Tab, WindowSize);
	return Tab;
}

// As the engine's OutputLog module does at start-up, before any plugin loads.
const bool bOutputLogRegistered = [] {
	FGlobalTabmanager::Get()
		->RegisterNomadTabSpawner(OutputLogTabId, FOnSpawnTab::CreateStatic(&SpawnOutputLog))
		.SetDisplayName(FText::FromString(TEXT("Output Log")))
		.SetTooltipText(FText::FromString(TEXT("Open the Output Log tab.")));
	return true;
}();

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

std::string NotOpen(std::string_view Verb) { return std::string(Verb) + ": the Drovik Workshop tab is not open"; }

FCommandResult OpenWorkshopTab()
{
	if (Windows().WorkshopTab.IsValid())
	{
		return Done();
	}
	const TSharedPtr<SDockTab> Tab = FGlobalTabmanager::Get()->TryInvokeTab(FTabId(WorkshopTabId));
	if (!Tab.IsValid())
	{
		return Failed("no tab spawner \"DrovikWorkshopTab\" is registered");
	}
	Windows().WorkshopTab = Tab;
	MakeMainWindow();
	MainWindow().Layout();
	return Done();
}

FCommandResult CloseWorkshopTab()
{
	if (!Windows().WorkshopTab.IsValid())
	{
		return Failed("the Drovik Workshop tab is not open");
	}
	const TSharedRef<SDockTab> Tab = Windows().WorkshopTab.ToSharedRef();
	Windows().WorkshopTab.Reset();
	MakeMainWindow();
	Tab->RequestCloseTab();
	return Done();
}

std::filesystem::path OutputPath(std::string_view Argument, const std::filesystem::path& StartFolder)
{
	const std::filesystem::path Path = Standin::Machine::ToHostPath(Unquote(Argument));
	return Path.is_absolute() ? Path : StartFolder / Path;
}

FCommandResult Show()
{
	std::string Shown = MainWindow().Describe();
	if (Windows().OutputLog)
	{
		Shown += Windows().OutputLog->Describe();
	}
	if (Shown.empty())
	{
		return Failed(NotOpen("show"));
	}
	std::cout << Shown << std::flush;
	return Done();
}

FCommandResult Click(std::string_view Arguments)
{
	std::string Error;
	if (MainWindow().Click(Unquote(Arguments), Error))
	{
		return Done();
	}
	return Failed(Windows().WorkshopTab.IsValid() ? Error : NotOpen("click"));
}

FCommandResult Type(std::string_view Arguments)
{
	if (!Windows().WorkshopTab.IsValid())
	{
		return Failed(NotOpen("type"));
	}
	const auto LabelAndText = MainWindow().SplitLabelAndText(Arguments);
	if (!LabelAndText)
	{
		return Failed("no visible widget labelled \"" + Unquote(Arguments) + "\"");
	}
	std::string Error;
	return MainWindow().Type(LabelAndText->first, LabelAndText->second, Error) ? Done() : Failed(Error);
}

FCommandResult Screenshot(std::string_view Arguments, const std::filesystem::path& StartFolder)
{
	if (!Windows().WorkshopTab.IsValid())
	{
		return Failed(NotOpen("screenshot"));
	}
	if (Unquote(Arguments).empty())
	{
		return Failed("screenshot: a file name is needed");
	}
	std::string Error;
	return MainWindow().Screenshot(OutputPath(Arguments, StartFolder), Error) ? Done() : Failed(Error);
}

// Boxes never block the headless editor, so no box is open to take over the window: the picture is
// of the last box shown, from what was recorded when it was shown.
FCommandResult ScreenshotBox(std::string_view Arguments, const std::filesystem::path& StartFolder)
{
	if (Unquote(Arguments).empty())
	{
		return Failed("screenshot-box: a file name is needed");
	}
	const std::vector<Standin::Dialogs::FShownDialog> Shown = Standin::Dialogs::GetShown();
	if (Shown.empty())
	{
		return Failed("screenshot-box: no message box has been shown");
	}
	std::string Error;
	return ScreenshotMessageBox(Shown.back(), OutputPath(Arguments, StartFolder), Error) ? Done() : Failed(Error);
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
	if (Verb == "click")
	{
		return Click(Arguments);
	}
	if (Verb == "type")
	{
		return Type(Arguments);
	}
	if (Verb == "show")
	{
		return Show();
	}
	if (Verb == "screenshot")
	{
		return Screenshot(Arguments, StartFolder);
	}
	if (Verb == "screenshot-box")
	{
		return ScreenshotBox(Arguments, StartFolder);
	}
	return FCommandResult{};
}

void TickWindows(float DeltaSeconds)
{
	Standin::Slate::Tick(DeltaSeconds);
	MainWindow().Layout();
	if (Windows().OutputLog)
	{
		Windows().OutputLog->Layout();
	}
}

void CloseAllWindows()
{
	Windows().WorkshopTab.Reset();
	Windows().Main.reset();
	Standin::Slate::CloseAllTabs();
	Windows().OutputLog.reset();
}
} // namespace Standin::Editor
