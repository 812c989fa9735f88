#include "Services/EditorServices.h"

namespace Standin::Editor::Services
{
bool RunWindowCommand(std::string_view Verb, std::string_view, const std::filesystem::path&, std::string& OutError)
{
	OutError = std::string(Verb) + ": the window stand-in (Slate) is not part of this build";
	return false;
}

void TickWindows(float)
{
}

void CloseAllWindows()
{
}
} // namespace Standin::Editor::Services
