#include "Services/EditorServices.h"

namespace Standin::Editor::Services
{
namespace
{
constexpr const char* Missing = "the CoreUObject stand-in (packages) is not part of this build";
}

bool SaveAllPackages(std::string& OutError)
{
	OutError = std::string("save-all: ") + Missing;
	return false;
}

bool EditObject(const std::string& ObjectPath, const std::vector<std::pair<std::string, std::string>>&, std::string& OutError)
{
	OutError = "edit " + ObjectPath + ": " + Missing;
	return false;
}
} // namespace Standin::Editor::Services
