#include "Services/EditorServices.h"

#include "Standin/Packages.h"
#include "Standin/StringUtf8.h"

namespace Standin::Editor::Services
{
bool SaveAllPackages(std::string& OutError)
{
	return Packages::SaveDirtyPackages(OutError);
}

bool EditObject(const std::string& ObjectPath, const std::vector<std::pair<std::string, std::string>>& Assignments, std::string& OutError)
{
	return Packages::EditObject(FromUtf8(ObjectPath), Assignments, OutError);
}
} // namespace Standin::Editor::Services
