#include "Services/EditorServices.h"

namespace Standin::Editor::Services
{
// Without the Steam stand-in in the build no request can be pending.
bool IsSteamIdle()
{
	return true;
}
} // namespace Standin::Editor::Services
