#include "ReliabilityTest.h"

#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/UGCInterface.h"

#include <fstream>
#include <utility>

#include <nlohmann/json.hpp>
#include <sys/prctl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace LevelwrightTest
{
void FReliabilityTest::TearDown()
{
	// The tab closes before the module shuts down, as in the editor.
	WorkshopWindow.Reset();
	FPipelineTest::TearDown();
}

void FReliabilityTest::StartWorkshopProject()
{
	WriteSampleWorkshopMap(SampleItem);
	StartModule();
	ASSERT_NE(Module().WorkshopMap, nullptr);
	ASSERT_EQ(Module().WorkshopMap->ItemId, SampleItem);
	ASSERT_FALSE(Module().GameInstallPath.IsEmpty());
}

void FReliabilityTest::StartQuarnProject()
{
	const std::string Folder = "/Game/CustomMaps/QRN_Harbour";
	Project.WritePackage(Folder + "/Props/Crate", "{\"Class\": \"StaticMesh\", \"Properties\": {\"Triangles\": 12}}");
	for (const char* Map : {"Main", "Quest"})
	{
		Project.WritePackage(Folder + "/Maps/" + Map, "{\"Class\": \"World\", \"Properties\": {}, \"References\": [\"" + Folder + "/Props/Crate\"]}",
							 true);
	}
	Project.WriteDefinition("QRN_Harbour", "{\"Id\": \"QRN_Harbour\", \"MapLabel\": \"Harbour\", \"Version\": 1, \"Map\": \"" + Folder +
											   "/Maps/Main.Main\", \"QuestMap\": \"" + Folder +
											   "/Maps/Quest.Quest\", \"IsCustomGameMode\": false, \"CustomGameModeLabel\": \"\", \"bCreatedByPlugin\": true}");
	Machine.SetClient("running", "false");
	StartModule();
	ASSERT_NE(Module().QuarnMod, nullptr);
	ASSERT_EQ(Module().WorkshopMap, nullptr);
}

SDrovikWorkshopWindow& FReliabilityTest::Window()
{
	if (!WorkshopWindow.IsValid())
	{
		WorkshopWindow = SNew(SDrovikWorkshopWindow);
	}
	return *WorkshopWindow;
}

bool FReliabilityTest::WindowIdle()
{
	return Window().GetStandbyVisibility() == EVisibility::Visible && Window().GetBusyVisibility() == EVisibility::Collapsed;
}

std::vector<std::string> FReliabilityTest::PaksFolderFiles() const
{
	std::vector<std::string> Files = ListFilesBelow(PaksDir());
	std::erase(Files, ".gitkeep");
	return Files;
}

std::map<std::string, std::string> FReliabilityTest::WorkshopFiles() const
{
	std::map<std::string, std::string> Files;
	for (const std::string Folder : {"workshop", "staging"})
	{
		for (const auto& [Name, Bytes] : ReadTree(Machine.Path() / "steam" / Folder))
		{
			Files[Folder + "/" + Name] = Bytes;
		}
	}
	return Files;
}

void FReliabilityTest::ExpectWorkshopWhole() const
{
	const fs::path Staging = Machine.Path() / "steam" / "staging";
	EXPECT_TRUE(!fs::exists(Staging) || fs::is_empty(Staging)) << "an upload was left half-staged";
	for (const auto& Entry : fs::directory_iterator(Machine.WorkshopDir()))
	{
		SCOPED_TRACE(Entry.path().string());
		ASSERT_TRUE(fs::is_regular_file(Entry.path() / "item.json"));
		const auto Item = nlohmann::json::parse(ReadFile(Entry.path() / "item.json"), nullptr, false);
		ASSERT_FALSE(Item.is_discarded()) << "item.json is not whole";
		EXPECT_EQ(Item["id"], std::stoull(Entry.path().filename().string()));
		for (const auto& Version : Item["versions"])
		{
			EXPECT_TRUE(Version.contains("changeNote") && Version["files"].is_array());
			for (const auto& File : Version["files"])
			{
				// Every listed file was uploaded; the last version's files are in content/.
				if (&Version == &Item["versions"].back())
				{
					EXPECT_TRUE(fs::exists(Entry.path() / "content" / File.get<std::string>())) << File;
				}
			}
		}
	}
}

FUnprivilegedScope::FUnprivilegedScope(const fs::path& Root, std::vector<fs::path> ReadOnly)
	: ReadOnlyFolders(std::move(ReadOnly))
{
	const auto MakeReadOnly = [this] {
		for (const fs::path& Folder : ReadOnlyFolders)
		{
			fs::permissions(Folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
										fs::perms::others_read | fs::perms::others_exec);
		}
	};
	if (::geteuid() != 0)
	{
		MakeReadOnly();
		return;
	}
	for (const auto& Entry : fs::recursive_directory_iterator(Root))
	{
		if (!Entry.is_symlink())
		{
			fs::permissions(Entry.path(), fs::perms::all, fs::perm_options::add);
		}
	}
	fs::permissions(Root, fs::perms::all, fs::perm_options::add);
	MakeReadOnly();
	constexpr uid_t Nobody = 65534;
	// The real user changes too (the saved one stays root, to come back): children then run wholly as
	// nobody, not as a set-user-ID program, which the sanitizers could not look into.
	bDropped = ::setresuid(Nobody, Nobody, 0) == 0;
	EXPECT_TRUE(bDropped) << "cannot run as nobody";
}

FUnprivilegedScope::~FUnprivilegedScope()
{
	if (bDropped)
	{
		EXPECT_EQ(::setresuid(0, 0, 0), 0);
		// The user change made the process undumpable; LeakSanitizer needs it dumpable at exit.
		::prctl(PR_SET_DUMPABLE, 1);
	}
	for (const fs::path& Folder : ReadOnlyFolders)
	{
		std::error_code Ignored;
		fs::permissions(Folder, fs::perms::owner_all, fs::perm_options::add, Ignored);
	}
}
} // namespace LevelwrightTest
