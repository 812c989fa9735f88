// The window commands of editor scripts. The editor's main window (1024 x 640) shows the "Drovik
// Workshop" tab while it is open, with the notification area drawn over its bottom-right corner;
// the Output Log tab, once invoked, is a window of its own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace Standin::Editor
{
struct FCommandResult
{
	bool bHandled = false;
	bool bOk = true;
	std::string Error;
};

// open-tab, close-tab, click <label>, type <label> <text>, show, screenshot <file.png>,
// screenshot-box <file.png> (the last message box shown, as Windows would draw it).
// bHandled false: not a window command. Relative paths are taken from StartFolder.
FCommandResult RunWindowCommand(std::string_view Verb, std::string_view Arguments, const std::filesystem::path& StartFolder);
// Once per editor frame, on the game thread: advances Slate's clock by DeltaSeconds (queued
// notifications appear, faded ones go) and lays out and paints the open windows (their attributes
// are read, as Slate does).
void TickWindows(float DeltaSeconds);
// Before the plugin module shuts down: closes every tab and drops the windows.
void CloseAllWindows();
} // namespace Standin::Editor
