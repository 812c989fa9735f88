// FName's case-insensitive identity and TMap's keys and order.
#include "CoreTestSupport.h"
#include "CoreMinimal.h"

using CoreTest::Utf8;

TEST(Names, CompareIgnoringCaseAndKeepTheFirstSpelling)
{
	const FName First(TEXT("DrovikWorkshopTab"));
	const FName Second(TEXT("DROVIKWORKSHOPTAB"));
	EXPECT_TRUE(First == Second);
	EXPECT_FALSE(First != Second);
	EXPECT_EQ(GetTypeHash(First), GetTypeHash(Second));
	EXPECT_EQ(Utf8(Second.ToString()), "DrovikWorkshopTab");
	EXPECT_FALSE(First == FName(TEXT("DrovikWorkshopTab2")));
	EXPECT_TRUE(FName("ansiSpelling") == FName(TEXT("AnsiSpelling")));
}

TEST(Names, NoneIsTheEmptyName)
{
	EXPECT_TRUE(FName().IsNone());
	EXPECT_TRUE(FName(NAME_None).IsNone());
	EXPECT_TRUE(FName(TEXT("")).IsNone());
	EXPECT_TRUE(FName(TEXT("none")) == NAME_None);
	EXPECT_EQ(Utf8(FName().ToString()), "None");
	EXPECT_FALSE(FName(TEXT("Something")).IsNone());
}

TEST(Maps, IterationFollowsInsertionOrder)
{
	TMap<FString, int32> Map;
	Map.Add(TEXT("Win64"), 1);
	Map.Add(TEXT("Linux"), 2);
	Map.Add(TEXT("Android"), 3);
	Map.Add(TEXT("PS4"), 4);
	std::vector<std::string> Keys;
	for (const auto& Pair : Map)
	{
		Keys.push_back(Utf8(Pair.Key) + "=" + std::to_string(Pair.Value));
	}
	EXPECT_EQ(Keys, (std::vector<std::string>{"Win64=1", "Linux=2", "Android=3", "PS4=4"}));

	// Replacing a value keeps the key's place; removing one keeps the others' order.
	Map.Add(TEXT("Linux"), 20);
	Map.Remove(TEXT("Win64"));
	Map.Add(TEXT("Win32"), 5);
	TArray<FString> KeyArray;
	EXPECT_EQ(Map.GetKeys(KeyArray), 4);
	std::vector<std::string> After;
	for (const FString& Key : KeyArray)
	{
		After.push_back(Utf8(Key));
	}
	EXPECT_EQ(After, (std::vector<std::string>{"Linux", "Android", "PS4", "Win32"}));
	EXPECT_EQ(Map.FindRef(TEXT("Linux")), 20);
}

TEST(Maps, StringKeysIgnoreCaseAndLookupsBehave)
{
	TMap<FString, FString> Map;
	Map.Add(TEXT("Title"), TEXT("Arena"));
	Map.Add(TEXT("TITLE"), TEXT("Arena 2"));
	EXPECT_EQ(Map.Num(), 1);
	ASSERT_NE(Map.Find(TEXT("title")), nullptr);
	EXPECT_EQ(Utf8(*Map.Find(TEXT("title"))), "Arena 2");
	EXPECT_EQ(Map.Find(TEXT("Tags")), nullptr);
	EXPECT_EQ(Utf8(Map.FindRef(TEXT("Tags"))), "");
	EXPECT_FALSE(Map.Contains(TEXT("Tags")));
	Map.FindOrAdd(TEXT("Tags")) = TEXT("Map,Arena");
	EXPECT_TRUE(Map.Contains(TEXT("TAGS")));
	EXPECT_EQ(Map.Num(), 2);
	EXPECT_EQ(Map.Remove(TEXT("tags")), 1);
	EXPECT_EQ(Map.Remove(TEXT("tags")), 0);

	TMap<FName, int32> Names;
	Names.Add(FName(TEXT("Core")), 1);
	Names.Add(FName(TEXT("CORE")), 2);
	EXPECT_EQ(Names.Num(), 1);
	EXPECT_EQ(Names.FindRef(FName(TEXT("core"))), 2);
}
