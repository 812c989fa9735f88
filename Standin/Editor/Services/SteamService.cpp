#include "Services/EditorServices.h"

#include "SteamStandin.h"

namespace Standin::Editor::Services
{
bool IsSteamIdle()
{
	return !SteamStandin_HasPendingResults();
}
} // namespace Standin::Editor::Services
