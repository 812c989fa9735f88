#include "Services/EditorServices.h"

#include "WindowCommands.h"

namespace Standin::Editor::Services
{
bool RunWindowCommand(std::string_view Verb, std::string_view Arguments, const std::filesystem::path& StartFolder,
					  std::string& OutError)
{
	const FCommandResult Result = Standin::Editor::RunWindowCommand(Verb, Arguments, StartFolder);
	if (!Result.bHandled)
	{
		OutError = std::string(Verb) + ": not a command the windows understand";
		return false;
	}
	if (!Result.bOk)
	{
		OutError = Result.Error.empty() ? std::string(Verb) + " failed" : Result.Error;
	}
	return Result.bOk;
}

void TickWindows(float DeltaSeconds)
{
	Standin::Editor::TickWindows(DeltaSeconds);
}

void CloseAllWindows()
{
	Standin::Editor::CloseAllWindows();
}
} // namespace Standin::Editor::Services
