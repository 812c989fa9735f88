// What the script runner asks of the other stand-ins (Steam, packages, windows), so that the runner
// itself depends on none of them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Standin::Editor::Services
{
// Steam: true when no request made to the simulated Steam client waits for its result.
bool IsSteamIdle();

// Packages: save-all and edit.
bool SaveAllPackages(std::string& OutError);
bool EditObject(const std::string& ObjectPath, const std::vector<std::pair<std::string, std::string>>& Assignments,
				std::string& OutError);

// Windows: the tab, clicks, typing, the widget tree and screenshots.
bool RunWindowCommand(std::string_view Verb, std::string_view Arguments, const std::filesystem::path& StartFolder,
					  std::string& OutError);
void TickWindows(float DeltaSeconds);
void CloseAllWindows();
} // namespace Standin::Editor::Services
