// Creating the project's Workshop item through the module tick, and what each answer of Steam leaves.
#include "Drovik_Map.h"
#include "UObject/Package.h"
#include "WorkshopTest.h"

namespace LevelwrightTest
{
namespace
{
class FItemCreationTest : public FWorkshopTest
{
protected:
	// Runs the request to its end, capturing what the Steam stand-in prints (the overlay line).
	std::string CreateAndWait()
	{
		testing::internal::CaptureStdout();
		Map().CreateItem();
		const bool bAnswered = WaitForRequest();
		const std::string Printed = testing::internal::GetCapturedStdout();
		EXPECT_TRUE(bAnswered) << "Steam's answer never cleared bRequestPending";
		return Printed;
	}
};

// The definition is the project's only link to its item: it is on disk before the author could save.
TEST_F(FItemCreationTest, AnsweredItemGetsItsIdAndADefinitionSavedAtOnce)
{
	FUGCInterface& WorkshopMap = StartWorkshop();
	ASSERT_EQ(WorkshopMap.ItemId, 0u);

	WorkshopMap.CreateItem();
	EXPECT_TRUE(WorkshopMap.bRequestPending);
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: Creating new item"));
	Tick();
	EXPECT_EQ(WorkshopMap.ItemId, 0u) << "Steam answers only after its delay";
	ASSERT_TRUE(WaitForRequest());

	EXPECT_EQ(WorkshopMap.ItemId, NextItemId);
	EXPECT_TRUE(LogHas("LevelwrightLog: OnCreateItemResult"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Steam answered the item creation with result 1, OK: Steam accepted the request."));
	EXPECT_TRUE(LogHas("LevelwrightLog: Creating map folder for id 2000000002"));
	UDrovik_Map* Definition = WorkshopMap.GetDefinition();
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Definition->GetPathName(), FString(TEXT("/Game/CustomMaps/UGC2000000002/definition.definition")));
	EXPECT_EQ(Definition->Id, FString(TEXT("UGC2000000002")));
	EXPECT_TRUE(Definition->bCreatedByPlugin);
	EXPECT_FALSE(Definition->GetOutermost()->IsDirty()) << "saved, so nothing is left for the author to save";
	const std::filesystem::path File = Project.Dir() / "Content" / "CustomMaps" / "UGC2000000002" / "definition.uasset";
	ASSERT_TRUE(std::filesystem::is_regular_file(File));
	EXPECT_NE(ReadFile(File).find("\"UGC2000000002\""), std::string::npos);
	EXPECT_TRUE(LogHas("LevelwrightLog: Saved the definition of Workshop item 2000000002 to " + std::filesystem::weakly_canonical(File).string()));
	EXPECT_TRUE(Boxes().empty());
	EXPECT_EQ(ReadItem(NextItemId)["id"], NextItemId);
}

// A save that fails must not lose the item: the box names its id and page, so the author can recover it.
TEST_F(FItemCreationTest, ADefinitionThatCannotBeSavedIsReportedWithTheItemsPage)
{
	// A file where the item's folder must go: the package cannot be written below it.
	WriteFile(Project.Dir() / "Content" / "CustomMaps" / "UGC2000000002", "in the way");
	FUGCInterface& WorkshopMap = StartWorkshop();
	ASSERT_EQ(WorkshopMap.ItemId, 0u);
	CreateAndWait();

	EXPECT_EQ(WorkshopMap.ItemId, NextItemId);
	ASSERT_NE(WorkshopMap.GetDefinition(), nullptr) << "the definition stays in memory, for a later save";
	EXPECT_TRUE(WorkshopMap.GetDefinition()->GetOutermost()->IsDirty());
	const std::string Text = "Workshop item 2000000002 was created, but its definition could not be saved to " +
							 (Project.Dir() / "Content" / "CustomMaps" / "UGC2000000002" / "definition.uasset").string() +
							 ". Save it now (File > Save All): until it is saved, the project loses its link to the item if the editor "
							 "stops. The item's page is steam://url/CommunityFilePage/2000000002.";
	EXPECT_TRUE(BoxShown("Drovik Workshop", Text));
	EXPECT_EQ(CountLines("LevelwrightLog: Error: " + Text), 1);
	EXPECT_FALSE(LogHas("Saved the definition"));
}

TEST_F(FItemCreationTest, RefusedResultIsLoggedInWordsAndLeavesNoItem)
{
	SetFault("CreateItem", "2");
	FUGCInterface& WorkshopMap = StartWorkshop();
	CreateAndWait();
	EXPECT_EQ(WorkshopMap.ItemId, 0u);
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_EQ(WorkshopMap.GetDefinition(), nullptr);
	EXPECT_FALSE(LogHas("Creating map folder"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Steam answered the item creation with result 2, generic failure: Steam could not complete "
					   "the request and gave no reason. Try again later."));
}

// A second item would leave the project's first one unreachable: nothing is sent while one exists.
TEST_F(FItemCreationTest, CreatingWhileTheProjectHasAnItemSendsNothing)
{
	WriteSampleWorkshopMap(SampleItemId);
	FUGCInterface& WorkshopMap = StartWorkshop();
	ASSERT_EQ(WorkshopMap.ItemId, SampleItemId);

	WorkshopMap.CreateItem();

	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_FALSE(LogHas("Creating new item"));
	const std::string Problem = "The project already has Workshop item 2000000001 (steam://url/CommunityFilePage/2000000001). A second "
								"item would not be linked to the project; update this one with Submit and Sync Metadata.";
	EXPECT_EQ(CountLines("LevelwrightLog: Error: " + Problem), 1);
	EXPECT_TRUE(BoxShown("Drovik Workshop", "Create New sent nothing to Steam. Fix the following, then try again:\n\n- " + Problem));
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_FALSE(std::filesystem::exists(ItemDir(NextItemId)));
}

// Steam answers nothing for a refused request: waiting for it would keep the window's buttons hidden.
TEST_F(FItemCreationTest, RefusedRequestReleasesTheRequestAtOnce)
{
	SetFault("CreateItem", "\"refuse\"");
	FUGCInterface& WorkshopMap = StartWorkshop();
	WorkshopMap.CreateItem();
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: "));
	EXPECT_EQ(WorkshopMap.ItemId, 0u);
}

TEST_F(FItemCreationTest, IOFailureIsReportedAndReleasesTheRequest)
{
	SetFault("CreateItem", "\"ioFailure\"");
	FUGCInterface& WorkshopMap = StartWorkshop();
	CreateAndWait();
	EXPECT_TRUE(EnsureReported("bIOFailure == false"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: "));
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_EQ(WorkshopMap.ItemId, 0u);
	EXPECT_EQ(WorkshopMap.GetDefinition(), nullptr);
}

TEST_F(FItemCreationTest, LegalAgreementOpensTheNewItemsPage)
{
	Machine.SetClient("legalAgreementAccepted", "false");
	FUGCInterface& WorkshopMap = StartWorkshop();
	const std::string Printed = CreateAndWait();
	EXPECT_EQ(WorkshopMap.ItemId, NextItemId);
	EXPECT_NE(WorkshopMap.GetDefinition(), nullptr);
	EXPECT_NE(Printed.find("LogSteamStandin: Overlay opened steam://url/CommunityFilePage/2000000002\n"), std::string::npos)
		<< Printed;
}

TEST_F(FItemCreationTest, LegalAgreementOpensNoPageWithoutAnItem)
{
	Machine.SetClient("legalAgreementAccepted", "false");
	SetFault("CreateItem", "2");
	FUGCInterface& WorkshopMap = StartWorkshop();
	const std::string Printed = CreateAndWait();
	EXPECT_EQ(WorkshopMap.ItemId, 0u);
	EXPECT_EQ(Printed.find("Overlay opened"), std::string::npos) << Printed;
}

TEST_F(FItemCreationTest, SecondRequestReplacesThePendingOne)
{
	FUGCInterface& WorkshopMap = StartWorkshop();
	WorkshopMap.CreateItem();
	WorkshopMap.CreateItem();
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_EQ(CountLines("LevelwrightLog: OnCreateItemResult"), 1);
	EXPECT_EQ(WorkshopMap.ItemId, NextItemId + 1) << "only the second request's answer is handled";
}
} // namespace
} // namespace LevelwrightTest
