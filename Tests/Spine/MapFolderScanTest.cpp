// The two scans of Content/CustomMaps. The visitors are driven directly so the enumeration order is
// the test's, then the constructors are run on real folders.
#include <filesystem>

#include "PluginTestFixture.h"
#include "QRNInterface/ModFolderVisitor.h"
#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/UGCFolderVisitor.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
struct FEntry
{
	const TCHAR* Path;
	bool bIsDirectory;
};

template <typename VisitorType>
int VisitInOrder(VisitorType& Visitor, std::initializer_list<FEntry> Entries)
{
	int Visited = 0;
	for (const FEntry& Entry : Entries)
	{
		++Visited;
		if (!Visitor.Visit(Entry.Path, Entry.bIsDirectory))
		{
			break;
		}
	}
	return Visited;
}
} // namespace

TEST(ModFolderScan, FirstMatchingFolderInEnumerationOrderWins)
{
	FModFolderVisitor QuarnFirst;
	VisitInOrder(QuarnFirst, {{TEXT("C/QRN_Harbour"), true}, {TEXT("C/UGC123"), true}});
	EXPECT_EQ(QuarnFirst.FoundName, FString(TEXT("Harbour")));
	EXPECT_FALSE(QuarnFirst.bIsUGCFolder);

	FModFolderVisitor WorkshopFirst;
	VisitInOrder(WorkshopFirst, {{TEXT("C/UGC123"), true}, {TEXT("C/QRN_Harbour"), true}});
	EXPECT_EQ(WorkshopFirst.FoundName, FString(TEXT("123")));
	EXPECT_TRUE(WorkshopFirst.bIsUGCFolder);
}

TEST(ModFolderScan, NamesAreMatchedAnywhereAndCutByPrefixLength)
{
	// The first three characters are dropped, not the matched text.
	FModFolderVisitor Embedded;
	VisitInOrder(Embedded, {{TEXT("C/MyUGC5"), true}});
	EXPECT_TRUE(Embedded.FoundName.Equals(TEXT("GC5")));
	EXPECT_TRUE(Embedded.bIsUGCFolder);

	FModFolderVisitor Dotted;
	VisitInOrder(Dotted, {{TEXT("C/QRN_My.Map"), true}});
	EXPECT_EQ(Dotted.FoundName, FString(TEXT("My")));

	FModFolderVisitor LowerCase;
	VisitInOrder(LowerCase, {{TEXT("C/qrn_harbour"), true}});
	EXPECT_EQ(LowerCase.FoundName, FString(TEXT("harbour")));
}

TEST(ModFolderScan, FilesAndBarePrefixesFindNothing)
{
	FModFolderVisitor Visitor;
	const int Visited = VisitInOrder(Visitor, {{TEXT("C/QRN_File.txt"), false}, {TEXT("C/Other"), true}, {TEXT("C/QRN_"), true}, {TEXT("C/Later"), true}});
	EXPECT_EQ(Visited, 3) << "a folder named exactly QRN_ still stops the scan";
	EXPECT_TRUE(Visitor.FoundName.IsEmpty());
}

TEST(WorkshopFolderScan, ReadsTheItemIdAfterUGC)
{
	FUGCFolderVisitor LowerCase;
	VisitInOrder(LowerCase, {{TEXT("C/ugc77"), true}});
	EXPECT_EQ(LowerCase.ParsedId, 77u);

	FUGCFolderVisitor Embedded;
	EXPECT_EQ(VisitInOrder(Embedded, {{TEXT("C/MyUGC5"), true}, {TEXT("C/UGC9"), true}}), 1) << "the scan stops at the first UGC folder";
	EXPECT_EQ(Embedded.ParsedId, 0u);

	FUGCFolderVisitor Quarn;
	VisitInOrder(Quarn, {{TEXT("C/QRN_Harbour"), true}, {TEXT("C/UGC2000000001"), true}});
	EXPECT_EQ(Quarn.ParsedId, 2000000001u);
}

TEST(WorkshopFolderScan, ParsesLikeAStream)
{
	EXPECT_EQ(ParseItemId(TEXT("123abc")), 123u);
	EXPECT_EQ(ParseItemId(TEXT("  42")), 42u);
	EXPECT_EQ(ParseItemId(TEXT("test")), 0u);
	EXPECT_EQ(ParseItemId(TEXT("")), 0u);
	EXPECT_EQ(ParseItemId(TEXT("18446744073709551615")), 18446744073709551615ull);
	EXPECT_EQ(ParseItemId(TEXT("18446744073709551616")), 0u) << "an id that does not fit is no id";
}

TEST_F(FPluginTest, ScansSeeOnlyFoldersDirectlyInsideCustomMaps)
{
	fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / "Nested" / "UGC55");
	WriteFile(Project.Dir() / "Content" / "CustomMaps" / "UGC66.txt", "not a folder");
	FQRNInterface Quarn;
	FUGCInterface Workshop;
	EXPECT_FALSE(Quarn.HasMod());
	EXPECT_EQ(Workshop.ItemId, 0u);
	EXPECT_TRUE(LogHas("LevelwrightLog: Visiting ")) << "every entry is logged";
}

TEST_F(FPluginTest, AWorkshopFolderWithoutDigitsGivesNoItem)
{
	fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / "UGCtest");
	FQRNInterface Quarn;
	FUGCInterface Workshop;
	EXPECT_EQ(Workshop.ItemId, 0u);
	EXPECT_EQ(Quarn.ModId, FString(TEXT("test")));
	EXPECT_TRUE(Quarn.bIsUGCFolder);
}

TEST_F(FPluginTest, NoCustomMapsFolderMeansNoMap)
{
	FQRNInterface Quarn;
	FUGCInterface Workshop;
	EXPECT_FALSE(Quarn.HasMod());
	EXPECT_EQ(Workshop.ItemId, 0u);
}
