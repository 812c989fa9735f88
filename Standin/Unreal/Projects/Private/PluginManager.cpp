#include "Interfaces/IPluginManager.h"

#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Standin/Engine.h"
#include "Standin/StringUtf8.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <mutex>
#include <string>

DEFINE_LOG_CATEGORY_STATIC(LogPluginManager, Log, All)

namespace
{
FString JsonString(const nlohmann::json& Object, const char* Key)
{
	const auto Found = Object.find(Key);
	return Found != Object.end() && Found->is_string() ? Standin::FromUtf8(Found->get<std::string>()) : FString();
}

bool JsonBool(const nlohmann::json& Object, const char* Key, bool bDefault)
{
	const auto Found = Object.find(Key);
	return Found != Object.end() && Found->is_boolean() ? Found->get<bool>() : bDefault;
}

int32 JsonInt(const nlohmann::json& Object, const char* Key, int32 Default)
{
	const auto Found = Object.find(Key);
	return Found != Object.end() && Found->is_number_integer() ? Found->get<int32>() : Default;
}

class FPlugin : public IPlugin
{
public:
	FPlugin(const FString& InName, const FString& InFileName, const FPluginDescriptor& InDescriptor)
		: Name(InName), FileName(InFileName), Descriptor(InDescriptor)
	{
	}

	FString GetName() const override { return Name; }
	FString GetFriendlyName() const override { return Descriptor.FriendlyName.IsEmpty() ? Name : Descriptor.FriendlyName; }
	FString GetDescriptorFileName() const override { return FileName; }
	FString GetBaseDir() const override { return FPaths::GetPath(FileName); }
	FString GetContentDir() const override { return GetBaseDir() / TEXT("Content"); }
	bool IsEnabled() const override { return true; }
	bool CanContainContent() const override { return Descriptor.bCanContainContent; }
	const FPluginDescriptor& GetDescriptor() const override { return Descriptor; }

private:
	FString Name;
	FString FileName;
	FPluginDescriptor Descriptor;
};

class FPluginManager : public IPluginManager
{
public:
	TSharedPtr<IPlugin> FindPlugin(const FString& Name) override
	{
		std::lock_guard Lock(Mutex);
		for (const TSharedRef<IPlugin>& Plugin : Discover())
		{
			if (Plugin->GetName() == Name)
			{
				return Plugin;
			}
		}
		return nullptr;
	}
	TArray<TSharedRef<IPlugin>> GetDiscoveredPlugins() override
	{
		std::lock_guard Lock(Mutex);
		return Discover();
	}
	TArray<TSharedRef<IPlugin>> GetEnabledPlugins() override { return GetDiscoveredPlugins(); }

private:
	// Every .uplugin below the project's Plugins folder; a folder holding one is not searched deeper.
	// The engine reads the descriptors once, at start-up; here once per project folder, as the stand-in
	// may open another project later in the same process. Called with Mutex held.
	const TArray<TSharedRef<IPlugin>>& Discover()
	{
		const std::string& ProjectFile = Standin::Engine::GetSettings().ProjectFile.native();
		if (!bDiscovered || DiscoveredFor != ProjectFile)
		{
			Discovered.Empty();
			if (!FPaths::ProjectDir().IsEmpty())
			{
				DiscoverIn(FPaths::ProjectPluginsDir(), Discovered);
			}
			DiscoveredFor = ProjectFile;
			bDiscovered = true;
		}
		return Discovered;
	}

	static void DiscoverIn(const FString& EngineDir, TArray<TSharedRef<IPlugin>>& Plugins)
	{
		const std::filesystem::path HostDir = Standin::ToHostPath(EngineDir);
		std::error_code Ec;
		std::vector<std::filesystem::path> SubFolders;
		bool bFoundDescriptor = false;
		for (const auto& Entry : std::filesystem::directory_iterator(HostDir, Ec))
		{
			const std::filesystem::path& Path = Entry.path();
			if (Entry.is_directory(Ec))
			{
				SubFolders.push_back(Path);
			}
			else if (Path.extension() == ".uplugin")
			{
				bFoundDescriptor = true;
				const FString FileName = EngineDir / Standin::FromUtf8(Path.filename().string());
				FPluginDescriptor Descriptor;
				FText FailReason;
				if (Descriptor.Load(FileName, FailReason))
				{
					Plugins.Add(MakeShareable(new FPlugin(Standin::FromUtf8(Path.stem().string()), FileName, Descriptor)));
				}
				else
				{
					UE_LOG(LogPluginManager, Error, TEXT("%s"), *FailReason.ToString());
				}
			}
		}
		if (!bFoundDescriptor)
		{
			std::sort(SubFolders.begin(), SubFolders.end());
			for (const std::filesystem::path& Folder : SubFolders)
			{
				DiscoverIn(EngineDir / Standin::FromUtf8(Folder.filename().string()), Plugins);
			}
		}
	}

	std::mutex Mutex;
	bool bDiscovered = false;
	std::string DiscoveredFor; // the project file whose plugins were read
	TArray<TSharedRef<IPlugin>> Discovered;
};
} // namespace

bool FPluginDescriptor::Load(const FString& FileName, FText& OutFailReason)
{
	FString Text;
	if (!FFileHelper::LoadFileToString(Text, *FileName))
	{
		OutFailReason = FText::FromString(FString(TEXT("Failed to open descriptor file '")) + FileName + TEXT("'"));
		return false;
	}
	if (!Read(Text, OutFailReason))
	{
		OutFailReason = FText::FromString(FString(TEXT("Failed to read file. ")) + OutFailReason.ToString() + TEXT(" (") + FileName + TEXT(")"));
		return false;
	}
	return true;
}

bool FPluginDescriptor::Read(const FString& Text, FText& OutFailReason)
{
	const nlohmann::json Object = nlohmann::json::parse(Standin::ToUtf8(Text), nullptr, false);
	if (Object.is_discarded() || !Object.is_object())
	{
		OutFailReason = FText::FromString(TEXT("The descriptor is not a valid Json object."));
		return false;
	}
	FileVersion = JsonInt(Object, "FileVersion", JsonInt(Object, "PluginFileVersion", 3));
	Version = JsonInt(Object, "Version", 0);
	VersionName = JsonString(Object, "VersionName");
	FriendlyName = JsonString(Object, "FriendlyName");
	Description = JsonString(Object, "Description");
	Category = JsonString(Object, "Category");
	CreatedBy = JsonString(Object, "CreatedBy");
	CreatedByURL = JsonString(Object, "CreatedByURL");
	DocsURL = JsonString(Object, "DocsURL");
	MarketplaceURL = JsonString(Object, "MarketplaceURL");
	SupportURL = JsonString(Object, "SupportURL");
	EngineVersion = JsonString(Object, "EngineVersion");
	bCanContainContent = JsonBool(Object, "CanContainContent", false);
	bIsBetaVersion = JsonBool(Object, "IsBetaVersion", false);
	bInstalled = JsonBool(Object, "Installed", false);
	bEnabledByDefault = JsonBool(Object, "EnabledByDefault", false);
	return true;
}

IPluginManager& IPluginManager::Get()
{
	static FPluginManager Manager;
	return Manager;
}
