// The engine's container checks, fatal in every build (this one defines NDEBUG): TArray's index and
// range checks, TMap's checked lookups and FString's index check, with the engine's messages.
#include <gtest/gtest.h>

#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Containers/UnrealString.h"
#include "CoreTestSupport.h"

namespace
{
TArray<int32> ThreeItems()
{
	return TArray<int32>{10, 20, 30};
}
} // namespace

TEST(ContainerChecks, IndicesInsideTheBoundsWork)
{
	TArray<int32> Items = ThreeItems();
	EXPECT_EQ(Items[0], 10);
	EXPECT_EQ(Items[2], 30);
	EXPECT_EQ(Items.Last(), 30);
	EXPECT_EQ(Items.Last(2), 10);
	EXPECT_EQ(Items.Insert(40, 3), 3) << "inserting at Num() appends";
	EXPECT_EQ(Items.Insert(5, 0), 0);
	Items.RemoveAt(4);
	Items.RemoveAt(0, 2);
	Items.RemoveAt(2, 0);
	EXPECT_EQ(Items, (TArray<int32>{20, 30}));
	EXPECT_EQ(Items.Pop(), 30);
	const int32 Copy = Items[0];
	Items.Add(Copy);
	EXPECT_EQ(Items, (TArray<int32>{20, 20}));

	const FString Text(TEXT("Arena"));
	EXPECT_EQ(Text[0], u'A');
	EXPECT_EQ(Text[Text.Len() - 1], u'a');
}

TEST(ContainerChecksDeathTest, ArrayIndexOutOfBoundsIsFatal)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			TArray<int32> Items = ThreeItems();
			Items[3] = 1;
		},
		"Assertion failed: \\(Index >= 0\\) & \\(Index < ArrayNum\\) \\[File:.*Array.h\\] \\[Line: [0-9]+\\] \n"
		"Array index out of bounds: 3 from an array of size 3");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const TArray<int32> Items = ThreeItems();
			(void)Items[-1];
		},
		"Array index out of bounds: -1 from an array of size 3");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			(void)TArray<int32>().Last();
		},
		"Array index out of bounds: -1 from an array of size 0");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			(void)ThreeItems().Last(3);
		},
		"Array index out of bounds: -1 from an array of size 3");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			TArray<int32>().Pop();
		},
		"Array index out of bounds: 0 from an array of size 0");
}

TEST(ContainerChecksDeathTest, ArrayRangesOutOfBoundsAreFatal)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			ThreeItems().RemoveAt(3);
		},
		"Assertion failed: \\(Count >= 0\\) & \\(Index >= 0\\) & \\(Index \\+ Count <= ArrayNum\\)");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			ThreeItems().RemoveAt(1, 3);
		},
		"Index \\+ Count <= ArrayNum");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			ThreeItems().Insert(1, 4);
		},
		"Assertion failed: \\(Count >= 0\\) & \\(Index >= 0\\) & \\(Index <= ArrayNum\\)");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			ThreeItems().Insert(1, -1);
		},
		"Index <= ArrayNum");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			TArray<int32>(nullptr, 2);
		},
		"Assertion failed: Ptr != nullptr \\|\\| Count == 0");
}

// The engine refuses to add an element of the array to the same array: growing may move it first.
TEST(ContainerChecksDeathTest, AddingAnElementOfTheArrayItselfIsFatal)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			TArray<FString> Names;
			Names.Add(TEXT("a"));
			Names.Add(Names[0]);
		},
		"Assertion failed: Addr < GetData\\(\\) \\|\\| Addr >= \\(GetData\\(\\) \\+ ArrayMax\\) .*\n"
		"Attempting to use a container element \\([0-9A-F]+\\) which already comes from the container being modified");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			TArray<int32> Items = ThreeItems();
			Items.Insert(Items.Last(), 0);
		},
		"which already comes from the container being modified");
}

TEST(ContainerChecksDeathTest, StringIndexOutOfBoundsIsFatal)
{
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const FString Text(TEXT("Arena"));
			(void)Text[Text.Len()];
		},
		"Assertion failed: IsValidIndex\\(Index\\) .*\nString index out of bounds: Index 5 from a string with a length of 5");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			FString Empty;
			Empty[0] = u'x';
		},
		"String index out of bounds: Index 0 from a string with a length of 0");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			FString Text(TEXT("Arena"));
			Text[-1] = u'x';
		},
		"String index out of bounds: Index -1 from a string with a length of 5");
}

TEST(ContainerChecksDeathTest, CheckedLookupOfAMissingMapKeyIsFatal)
{
	TMap<FString, int32> Sizes;
	Sizes.Add(TEXT("WindowsNoEditor"), 7);
	EXPECT_EQ(Sizes[TEXT("windowsnoeditor")], 7) << "FString keys ignore case";
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			Sizes.FindChecked(TEXT("Android_ASTC"));
		},
		"Assertion failed: Pair != nullptr \\[File:.*Map.h\\]");
	EXPECT_DEATH(
		{
			CoreTest::SendStdoutToStderr();
			const auto& Constant = Sizes;
			(void)Constant[TEXT("LinuxServer")];
		},
		"Assertion failed: Pair != nullptr");
}
