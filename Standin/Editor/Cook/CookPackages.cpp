#include "Cook/CookPackages.h"

#include <algorithm>
#include <deque>
#include <fstream>
#include <iterator>
#include <map>

namespace Standin::Editor::Cook
{
namespace fs = std::filesystem;

namespace
{
constexpr std::string_view GameRoot = "/Game/";
constexpr std::string_view PackageExtensions[] = {".umap", ".uasset"};

bool IsPackageCharacter(char Character)
{
	const std::string_view Refused = "\\:*?\"<>|.,&!~@#$%^'`[]{}; \t\r\n";
	return static_cast<unsigned char>(Character) >= 0x20 && Refused.find(Character) == std::string_view::npos;
}

// Every string in a property value that names a /Game object, in document order.
void FindGamePaths(const nlohmann::json& Value, std::vector<std::string>& OutPaths)
{
	if (Value.is_string())
	{
		const std::string& Text = Value.get_ref<const std::string&>();
		if (Text.starts_with(GameRoot))
		{
			OutPaths.push_back(Text);
		}
	}
	else if (Value.is_array() || Value.is_object())
	{
		for (const nlohmann::json& Element : Value)
		{
			FindGamePaths(Element, OutPaths);
		}
	}
}

fs::path FindPackageFile(const fs::path& ContentDir, const std::string& Name)
{
	const fs::path Base = ContentDir / Name.substr(GameRoot.size());
	for (const std::string_view Extension : PackageExtensions)
	{
		fs::path Candidate = Base;
		Candidate += Extension;
		std::error_code Ignored;
		if (fs::is_regular_file(Candidate, Ignored))
		{
			return Candidate;
		}
	}
	return {};
}

bool ParsePackage(const std::string& Text, FCookPackage& OutPackage, std::string& OutError)
{
	const nlohmann::json Document = nlohmann::json::parse(Text, nullptr, false);
	if (Document.is_discarded() || !Document.is_object())
	{
		OutError = "is not a JSON object";
		return false;
	}
	const auto Class = Document.find("Class");
	if (Class == Document.end() || !Class->is_string() || Class->get_ref<const std::string&>().empty())
	{
		OutError = "has no \"Class\"";
		return false;
	}
	OutPackage.Class = Class->get<std::string>();
	if (const auto Properties = Document.find("Properties"); Properties != Document.end())
	{
		if (!Properties->is_object())
		{
			OutError = "has \"Properties\" that are not an object";
			return false;
		}
		OutPackage.Properties = *Properties;
	}
	std::vector<std::string> Paths;
	if (const auto References = Document.find("References"); References != Document.end())
	{
		if (!References->is_array() || !std::all_of(References->begin(), References->end(), [](const nlohmann::json& Entry) { return Entry.is_string(); }))
		{
			OutError = "has \"References\" that are not a list of package names";
			return false;
		}
		Paths = References->get<std::vector<std::string>>();
	}
	FindGamePaths(OutPackage.Properties, Paths);
	std::set<std::string> Imports;
	for (const std::string& Path : Paths)
	{
		Imports.insert(ToPackageName(Path));
	}
	Imports.erase(OutPackage.Name);
	OutPackage.Imports.assign(Imports.begin(), Imports.end());
	return true;
}
} // namespace

fs::path TextureImageFile(const FCookPackage& Package)
{
	const auto Source = Package.Properties.find("Source");
	if (Package.Class != "Texture2D" || Source == Package.Properties.end() || !Source->is_string() || Source->get_ref<const std::string&>().empty())
	{
		return {};
	}
	return Package.SourceFile.parent_path() / Source->get<std::string>();
}

std::string ToPackageName(std::string_view ObjectPath)
{
	const size_t Slash = ObjectPath.rfind('/');
	const size_t Dot = ObjectPath.find_first_of(".:", Slash == std::string_view::npos ? 0 : Slash);
	return std::string(ObjectPath.substr(0, Dot));
}

bool IsGamePackageName(std::string_view Name)
{
	if (!Name.starts_with(GameRoot) || Name.size() == GameRoot.size() || Name.back() == '/')
	{
		return false;
	}
	std::string_view Rest = Name.substr(GameRoot.size());
	size_t PartLength = 0;
	for (const char Character : Rest)
	{
		if (Character == '/')
		{
			if (PartLength == 0)
			{
				return false;
			}
			PartLength = 0;
		}
		else if (!IsPackageCharacter(Character))
		{
			return false;
		}
		else
		{
			++PartLength;
		}
	}
	return true;
}

bool ReadPackage(const fs::path& ContentDir, const std::string& Name, FCookPackage& OutPackage, std::string& OutError)
{
	OutPackage = FCookPackage();
	OutPackage.Name = Name;
	OutPackage.SourceFile = FindPackageFile(ContentDir, Name);
	if (OutPackage.SourceFile.empty())
	{
		OutError = "not found (no .umap or .uasset below " + ContentDir.generic_string() + ")";
		return false;
	}
	std::ifstream Stream(OutPackage.SourceFile, std::ios::binary);
	const std::string Text((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	if (!Stream && !Stream.eof())
	{
		OutError = "cannot be read";
		return false;
	}
	if (!ParsePackage(Text, OutPackage, OutError))
	{
		OutError = "is malformed: " + OutPackage.SourceFile.generic_string() + " " + OutError;
		return false;
	}
	return true;
}

std::vector<std::string> ListPackagesUnder(const fs::path& ContentDir, std::string_view GameFolder)
{
	std::string Folder(GameFolder);
	while (Folder.size() > 1 && Folder.back() == '/')
	{
		Folder.pop_back();
	}
	const std::string Prefix = Folder + "/";
	if (!IsGamePackageName(Prefix + "x") && Prefix != GameRoot)
	{
		return {};
	}
	std::set<std::string> Names;
	std::error_code Error;
	for (fs::recursive_directory_iterator It(ContentDir / Prefix.substr(GameRoot.size()), Error), End; !Error && It != End; It.increment(Error))
	{
		const fs::path& File = It->path();
		const std::string Extension = File.extension().string();
		if (It->is_regular_file() && (Extension == ".umap" || Extension == ".uasset"))
		{
			const fs::path Relative = File.lexically_relative(ContentDir);
			fs::path WithoutExtension = Relative;
			WithoutExtension.replace_extension();
			Names.insert(std::string(GameRoot) + WithoutExtension.generic_string());
		}
	}
	return {Names.begin(), Names.end()};
}

std::vector<std::string> ReadDirectoriesToAlwaysCook(const fs::path& ProjectDir)
{
	std::ifstream Stream(ProjectDir / "Config" / "DefaultGame.ini", std::ios::binary);
	std::vector<std::string> Folders;
	std::string Line;
	constexpr std::string_view Key = "+DirectoriesToAlwaysCook=";
	constexpr std::string_view PathKey = "Path=\"";
	while (std::getline(Stream, Line))
	{
		const size_t Start = Line.find_first_not_of(" \t");
		if (Start == std::string::npos || Line.compare(Start, Key.size(), Key) != 0)
		{
			continue;
		}
		const size_t PathStart = Line.find(PathKey, Start + Key.size());
		const size_t PathEnd = PathStart == std::string::npos ? PathStart : Line.find('"', PathStart + PathKey.size());
		if (PathEnd != std::string::npos)
		{
			Folders.push_back(Line.substr(PathStart + PathKey.size(), PathEnd - PathStart - PathKey.size()));
		}
	}
	return Folders;
}

FCookSet CollectCookSet(const fs::path& ContentDir, const std::vector<std::string>& Roots)
{
	FCookSet Set;
	std::map<std::string, FCookPackage> Found;
	// Each entry: the package to read and who asked for it (empty for a root).
	std::deque<std::pair<std::string, std::string>> Queue;
	std::set<std::string> Seen;
	for (const std::string& Root : Roots)
	{
		if (Seen.insert(Root).second)
		{
			Queue.emplace_back(Root, std::string());
		}
	}
	while (!Queue.empty())
	{
		const auto [Name, Referencer] = Queue.front();
		Queue.pop_front();
		const std::string Context = Referencer.empty() ? Name : Name + " (referenced by " + Referencer + ")";
		if (!IsGamePackageName(Name))
		{
			Set.Errors.push_back("Malformed package name " + Context);
			continue;
		}
		FCookPackage Package;
		std::string Error;
		if (!ReadPackage(ContentDir, Name, Package, Error))
		{
			Set.Errors.push_back("Package " + Context + " " + Error);
			continue;
		}
		for (const std::string& Import : Package.Imports)
		{
			if (!Import.starts_with(GameRoot))
			{
				Set.Skipped.insert(Import);
			}
			else if (Seen.insert(Import).second)
			{
				Queue.emplace_back(Import, Name);
			}
		}
		Found.emplace(Name, std::move(Package));
	}
	for (auto& [Name, Package] : Found)
	{
		Set.Packages.push_back(std::move(Package));
	}
	return Set;
}
} // namespace Standin::Editor::Cook
