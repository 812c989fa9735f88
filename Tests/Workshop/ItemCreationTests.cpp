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

TEST_F(FItemCreationTest, AnsweredItemGetsItsIdAndADirtyDefinitionInMemory)
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
	EXPECT_TRUE(LogHas("LevelwrightLog: Creating map folder for id 2000000002"));
	UDrovik_Map* Definition = WorkshopMap.GetDefinition();
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Definition->GetPathName(), FString(TEXT("/Game/CustomMaps/UGC2000000002/definition.definition")));
	EXPECT_EQ(Definition->Id, FString(TEXT("UGC2000000002")));
	EXPECT_TRUE(Definition->bCreatedByPlugin);
	EXPECT_TRUE(Definition->GetOutermost()->IsDirty());
	EXPECT_FALSE(std::filesystem::exists(Project.Dir() / "Content" / "CustomMaps" / "UGC2000000002"))
		<< "the plugin never saves the new package itself";
	EXPECT_EQ(ReadItem(NextItemId)["id"], NextItemId);
}

TEST_F(FItemCreationTest, RefusedResultLeavesNoItemAndReleasesTheRequest)
{
	SetFault("CreateItem", "2");
	FUGCInterface& WorkshopMap = StartWorkshop();
	CreateAndWait();
	EXPECT_EQ(WorkshopMap.ItemId, 0u);
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_EQ(WorkshopMap.GetDefinition(), nullptr);
	EXPECT_FALSE(LogHas("Creating map folder"));
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
