#include "PackageFile.h"

#include <fstream>
#include <sstream>

#include "Logging/LogMacros.h"
#include "Misc/Paths.h"
#include "Standin/StringUtf8.h"

DEFINE_LOG_CATEGORY_STATIC(LogLinker, Log, All);
DEFINE_LOG_CATEGORY_STATIC(LogSavePackage, Log, All);

namespace Standin
{
namespace
{
const FString GameRoot(TEXT("/Game/"));

bool IsSavablePackageName(const FString& PackageName)
{
	return PackageName.StartsWith(GameRoot) && PackageName.Len() > GameRoot.Len() && !PackageName.Contains(TEXT("..")) &&
		   !PackageName.Contains(TEXT("\\")) && !PackageName.Contains(TEXT(":")) && !PackageName.Contains(TEXT(".")) &&
		   !PackageName.EndsWith(TEXT("/"));
}

std::filesystem::path ContentFolder()
{
	if (FPaths::ProjectDir().IsEmpty())
	{
		return {};
	}
	return ToHostPath(FPaths::ConvertRelativePathToFull(FPaths::ProjectContentDir()));
}

// Why the file cannot be a package, or empty when it can.
std::string CheckLayout(const FPackageJson& File)
{
	if (!File.is_object())
	{
		return "the file is not a JSON object";
	}
	if (!File.contains("Class") || !File["Class"].is_string())
	{
		return "\"Class\" is missing or not a string";
	}
	if (File.contains("Properties") && !File["Properties"].is_object())
	{
		return "\"Properties\" is not an object";
	}
	if (File.contains("References"))
	{
		if (!File["References"].is_array())
		{
			return "\"References\" is not a list";
		}
		for (const FPackageJson& Reference : File["References"])
		{
			if (!Reference.is_string())
			{
				return "\"References\" holds a value that is not a string";
			}
		}
	}
	return {};
}

bool ReadJsonFile(const std::filesystem::path& File, FPackageJson& OutJson, std::string& OutError)
{
	std::ifstream Stream(File, std::ios::binary);
	if (!Stream)
	{
		OutError = "cannot be read";
		return false;
	}
	std::stringstream Buffer;
	Buffer << Stream.rdbuf();
	OutJson = FPackageJson::parse(Buffer.str(), nullptr, false);
	if (OutJson.is_discarded())
	{
		OutError = "is not valid JSON";
		return false;
	}
	return true;
}

// Sets the file's properties on the object; unknown ones are kept in the record for saving.
bool ApplyProperties(UObject& Object, const FPackageJson& Properties, const std::filesystem::path& File, FPackageRecord& Record,
					 std::string& OutError)
{
	const FPropertyContext Context{File};
	for (const auto& [Name, Value] : Properties.items())
	{
		const FPropertyDesc* Property = FindProperty(Object.GetClass(), FromUtf8(Name));
		if (Property == nullptr)
		{
			Record.ExtraProperties[Name] = Value;
			continue;
		}
		std::string Error;
		if (!Property->Set(*Property, &Object, Value, Context, Error))
		{
			OutError = "property " + Name + ": " + Error;
			return false;
		}
	}
	return true;
}

void ReportLoadError(const FString& PackageName, const std::filesystem::path& File, const std::string& Reason)
{
	UE_LOG(LogLinker, Error, TEXT("Failed to load package '%s' from '%s': %s"), *PackageName, *FromUtf8(File.string()), *FromUtf8(Reason));
}
} // namespace

FString GetPackageShortName(const FString& PackageName)
{
	int32 Slash = INDEX_NONE;
	return PackageName.FindLastChar(u'/', Slash) ? PackageName.RightChop(Slash + 1) : PackageName;
}

std::filesystem::path GetPackageFilePath(const FString& PackageName, const char* Extension)
{
	const std::filesystem::path Content = ContentFolder();
	if (Content.empty() || !IsSavablePackageName(PackageName))
	{
		return {};
	}
	return Content / (ToUtf8(PackageName.RightChop(GameRoot.Len())) + "." + Extension);
}

std::filesystem::path FindPackageFile(const FString& PackageName)
{
	for (const char* Extension : {"uasset", "umap"})
	{
		std::filesystem::path File = GetPackageFilePath(PackageName, Extension);
		std::error_code Error;
		if (!File.empty() && std::filesystem::is_regular_file(File, Error))
		{
			return File;
		}
	}
	return {};
}

UObject* LoadPackageFile(const FString& PackageName)
{
	FObjectRegistry& Registry = FObjectRegistry::Get();
	std::lock_guard Lock(Registry.GetMutex());
	if (FPackageRecord* Existing = Registry.FindRecord(PackageName))
	{
		Existing->bLoadAttempted = true;
	}
	const std::filesystem::path File = FindPackageFile(PackageName);
	if (File.empty())
	{
		return nullptr;
	}

	FPackageJson Json;
	std::string Error;
	if (!ReadJsonFile(File, Json, Error))
	{
		ReportLoadError(PackageName, File, Error);
		return nullptr;
	}
	if (Error = CheckLayout(Json); !Error.empty())
	{
		ReportLoadError(PackageName, File, Error);
		return nullptr;
	}
	UClass* Class = FindClassByName(FromUtf8(Json["Class"].get<std::string>()));
	if (Class == nullptr)
	{
		ReportLoadError(PackageName, File, "unknown class '" + Json["Class"].get<std::string>() + "'");
		return nullptr;
	}

	FPackageRecord& Record = Registry.FindOrCreateRecord(PackageName);
	Record.bLoadAttempted = true;
	// The object is in memory before its properties are read, so that references back to it resolve.
	UObject* Object = Registry.Construct(Class, Record.Package, FName(*GetPackageShortName(PackageName)),
										 RF_Public | RF_Standalone | RF_WasLoaded | RF_NeedPostLoad);
	if (Object == nullptr)
	{
		ReportLoadError(PackageName, File, "an object of another class with that name is already in memory");
		return nullptr;
	}
	Record.ExtraProperties = FPackageJson::object();
	if (!ApplyProperties(*Object, Json.value("Properties", FPackageJson::object()), File, Record, Error))
	{
		Registry.Forget(Object);
		ReportLoadError(PackageName, File, Error);
		return nullptr;
	}
	Record.LoadedReferences = Json.value("References", FPackageJson::array());
	Object->ConditionalPostLoad();
	return Object;
}

namespace
{
UObject* FindMainObject(const FPackageRecord& Record)
{
	const FName ShortName(*GetPackageShortName(Record.Package->GetName()));
	UObject* First = nullptr;
	for (UObject* Object : Record.Objects)
	{
		if (Object->GetOuter() == Record.Package)
		{
			if (Object->GetFName() == ShortName)
			{
				return Object;
			}
			First = First ? First : Object;
		}
	}
	return First;
}

FPackageJson BuildReferences(const UObject& Object, const FPackageRecord& Record)
{
	FPackageJson References = FPackageJson::array();
	bool bHasReferenceProperties = false;
	for (const FPropertyDesc* Property : GetAllProperties(Object.GetClass()))
	{
		if (Property->Kind != EPropertyKind::Object)
		{
			continue;
		}
		bHasReferenceProperties = true;
		const FSoftObjectPath Target(FromUtf8(Property->Get(&Object).get<std::string>()));
		const std::string Package = ToUtf8(Target.GetLongPackageName());
		if (Target.IsValid() && std::find(References.begin(), References.end(), Package) == References.end())
		{
			References.push_back(Package);
		}
	}
	// A class without reference properties of its own cannot tell where the file's references came
	// from (e.g. a map's actors), so they are kept as they were.
	return bHasReferenceProperties ? References : Record.LoadedReferences;
}

bool WriteFileReplacing(const std::filesystem::path& File, const std::string& Text, std::string& OutError)
{
	std::error_code Error;
	std::filesystem::create_directories(File.parent_path(), Error);
	const std::filesystem::path Temporary = File.string() + ".tmp";
	{
		std::ofstream Stream(Temporary, std::ios::binary | std::ios::trunc);
		Stream << Text;
		if (!Stream.flush())
		{
			OutError = "cannot write " + Temporary.string();
			return false;
		}
	}
	std::filesystem::rename(Temporary, File, Error);
	if (Error)
	{
		OutError = "cannot replace " + File.string() + ": " + Error.message();
		return false;
	}
	return true;
}
} // namespace

bool SavePackageFile(FPackageRecord& Record, std::string& OutError)
{
	const FString PackageName = Record.Package->GetName();
	const std::string Prefix = "cannot save " + ToUtf8(PackageName) + ": ";
	UObject* Object = FindMainObject(Record);
	if (Object == nullptr)
	{
		OutError = Prefix + "the package holds no asset";
		return false;
	}
	bool bMap = false;
	for (const UClass* Class : GetClassChain(Object->GetClass()))
	{
		bMap = bMap || Class->GetStandinDescription().IsMapAsset();
	}
	const std::filesystem::path File = GetPackageFilePath(PackageName, bMap ? "umap" : "uasset");
	if (File.empty())
	{
		OutError = Prefix + "only packages below /Game of an open project can be saved";
		return false;
	}

	const FPropertyContext Context{File};
	for (const UClass* Class : GetClassChain(Object->GetClass()))
	{
		std::string Error;
		const auto& Hook = Class->GetStandinDescription().GetSaveHook();
		if (Hook && !Hook(Object, Context, Error))
		{
			OutError = Prefix + Error;
			return false;
		}
	}

	FPackageJson Properties = FPackageJson::object();
	for (const FPropertyDesc* Property : GetAllProperties(Object->GetClass()))
	{
		Properties[ToUtf8(Property->Name)] = Property->Get(Object);
	}
	for (const auto& [Name, Value] : Record.ExtraProperties.items())
	{
		if (!Properties.contains(Name))
		{
			Properties[Name] = Value;
		}
	}
	FPackageJson Json = FPackageJson::object();
	Json["Class"] = ToUtf8(Object->GetClass()->GetName());
	Json["Properties"] = std::move(Properties);
	Json["References"] = BuildReferences(*Object, Record);

	const std::string Text = Json.dump(1, '\t', false, FPackageJson::error_handler_t::replace) + "\n";
	std::string Error;
	if (!WriteFileReplacing(File, Text, Error))
	{
		OutError = Prefix + Error;
		return false;
	}
	UE_LOG(LogSavePackage, Log, TEXT("Saved package %s to %s"), *PackageName, *FromUtf8(File.string()));
	return true;
}
} // namespace Standin
