// The build-and-submit job through the stand-in tools and the simulated Workshop.
#include <cstdlib>

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include "PipelineTestSupport.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::SizeIs;

namespace
{
constexpr unsigned long long ItemId = 2000000001ull;

class FSubmitJobTest : public FPipelineTest
{
protected:
	void SetUp() override
	{
		FPipelineTest::SetUp();
		WriteSampleWorkshopMap(ItemId);
		StartModule();
		ASSERT_NE(Module().WorkshopMap, nullptr);
	}

	nlohmann::json Item() const
	{
		return nlohmann::json::parse(ReadFile(ItemDir(ItemId) / "item.json"));
	}

	fs::path ContentDir() const { return SavedDir() / "Cooked" / "Workshop"; }
};
} // namespace

TEST_F(FSubmitJobTest, UploadsBothPaksWithTheChangeNoteOfThePress)
{
	Module().WorkshopMap->ChangeNote = TEXT("Second version");

	Module().RequestSubmit();
	// The author goes on typing while the job runs; the submission keeps what was there at the press.
	Module().WorkshopMap->ChangeNote = TEXT("Typed while building");
	ASSERT_TRUE(WaitIdle());

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_FALSE(Module().WorkshopMap->OnSubmitFinished.IsBound());
	EXPECT_TRUE(BoxShown("Drovik Workshop", "Successfully submited to the workshop!"));
	EXPECT_EQ(ReadFile(ContentDir() / "metadata.json"), "{ test: 1 }");
	const nlohmann::json Latest = Item()["versions"].back();
	EXPECT_EQ(Latest["changeNote"], "Second version");
	EXPECT_EQ(Latest["files"], nlohmann::json::array({"LinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"}));
	EXPECT_EQ(ListPak(ContentDir() / "LinuxServer.pak").MountPoint, "../../../Drovik/Content/CustomMaps/UGC2000000001/");
}

TEST_F(FSubmitJobTest, AFailedServerPackSubmitsNothingAndEndsWithABox)
{
	const size_t Versions = Item()["versions"].size();
	// The disk is full where the server pak goes: UnrealPak cannot write it.
	::setenv("LEVELWRIGHT_FAULT_DISK_FULL", (ContentDir() / "LinuxServer.pak").c_str(), 1);

	Module().RequestSubmit();
	ASSERT_TRUE(WaitIdle());
	::unsetenv("LEVELWRIGHT_FAULT_DISK_FULL");

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(fs::exists(ContentDir() / "WindowsNoEditor.pak"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Pak command returned non-zero value: 1 \n"));
	EXPECT_TRUE(LogHas("Ensure condition failed: bLinuxPakSuccedd"));
	EXPECT_FALSE(LogHas("Ensure condition failed: bWindowsPakSucceed"));
	EXPECT_FALSE(fs::exists(ContentDir() / "metadata.json"));
	EXPECT_EQ(Item()["versions"].size(), Versions);
	EXPECT_FALSE(Module().WorkshopMap->OnSubmitFinished.IsBound());
	EXPECT_THAT(Boxes(), SizeIs(1));
	EXPECT_TRUE(BoxShown("Drovik Workshop", "The submission to the Workshop failed.\n\nThe cooked map could not be packed. The log's pak "
											"lines say why; fix that, then submit again."));
}

TEST_F(FSubmitJobTest, AFailedCookSubmitsNothingAndEndsWithABox)
{
	fs::remove(Engine.BinariesDir() / "UE4Editor.exe");
	const size_t Versions = Item()["versions"].size();

	Module().RequestSubmit();
	ASSERT_TRUE(WaitIdle());

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: Cooked content is needed for deploying!"));
	EXPECT_FALSE(LogHas("Adding to paklist"));
	EXPECT_EQ(Item()["versions"].size(), Versions);
	EXPECT_THAT(Boxes(), SizeIs(1));
	EXPECT_TRUE(BoxShown("Drovik Workshop", "The submission to the Workshop failed.\n\nThe map could not be cooked. The log's cook lines "
											"say why; fix that, then submit again."));
}

// Steam uploads the whole content folder: files of an earlier build must not travel with the map.
TEST_F(FSubmitJobTest, TheContentFolderHoldsOnlyWhatTheSubmissionWrote)
{
	WriteFile(ContentDir() / "Old.pak", "an earlier build");
	WriteFile(ContentDir() / "Notes" / "todo.txt", "an earlier note");

	Module().RequestSubmit();
	ASSERT_TRUE(WaitIdle());

	EXPECT_TRUE(BoxShown("Drovik Workshop", "Successfully submited to the workshop!"));
	EXPECT_THAT(ListFilesBelow(ContentDir()), ElementsAre("LinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"));
	EXPECT_EQ(Item()["versions"].back()["files"], nlohmann::json::array({"LinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"}));
}
