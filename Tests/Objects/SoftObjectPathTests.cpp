#include <gtest/gtest.h>

#include "Standin/StringUtf8.h"
#include "UObject/SoftObjectPath.h"

namespace
{
void ExpectEq(const FString& Actual, const TCHAR* Expected)
{
	EXPECT_TRUE(Actual.Equals(Expected, ESearchCase::CaseSensitive)) << Standin::ToUtf8(Actual);
}
} // namespace

TEST(SoftObjectPath, SplitsAnAssetPathIntoItsParts)
{
	const FSoftObjectPath Path(FString(TEXT("/Game/Maps/Harbour.Harbour")));
	EXPECT_TRUE(Path.IsValid());
	EXPECT_FALSE(Path.IsNull());
	ExpectEq(Path.GetAssetPathName().ToString(), TEXT("/Game/Maps/Harbour.Harbour"));
	ExpectEq(Path.GetAssetPathString(), TEXT("/Game/Maps/Harbour.Harbour"));
	ExpectEq(Path.GetLongPackageName(), TEXT("/Game/Maps/Harbour"));
	ExpectEq(Path.GetAssetName(), TEXT("Harbour"));
	ExpectEq(Path.ToString(), TEXT("/Game/Maps/Harbour.Harbour"));
}

TEST(SoftObjectPath, PackagePartEndsAtTheFirstDot)
{
	const FSoftObjectPath Path(TEXT("/Game/Maps/My.Map.Inner"));
	ExpectEq(Path.GetLongPackageName(), TEXT("/Game/Maps/My"));
	ExpectEq(Path.GetAssetName(), TEXT("Map.Inner"));

	const FSoftObjectPath NoDot(TEXT("/Game/Maps/Harbour"));
	ExpectEq(NoDot.GetLongPackageName(), TEXT("/Game/Maps/Harbour"));
	ExpectEq(NoDot.GetAssetName(), TEXT(""));
}

TEST(SoftObjectPath, EmptyAndNoneAreNull)
{
	for (const TCHAR* Text : {TEXT(""), TEXT("None")})
	{
		const FSoftObjectPath Path(Text);
		EXPECT_TRUE(Path.IsNull());
		EXPECT_FALSE(Path.IsValid());
		EXPECT_TRUE(Path.GetAssetPathName().IsNone());
		ExpectEq(Path.ToString(), TEXT(""));
		ExpectEq(Path.GetLongPackageName(), TEXT(""));
		EXPECT_EQ(Path.TryLoad(), nullptr);
	}
	EXPECT_TRUE(FSoftObjectPath().IsNull());
	EXPECT_TRUE(FSoftObjectPath(static_cast<const UObject*>(nullptr)).IsNull());
}

TEST(SoftObjectPath, AcceptsExportTextAndSubobjects)
{
	const FSoftObjectPath Quoted(TEXT("World'/Game/Maps/Harbour.Harbour'"));
	ExpectEq(Quoted.ToString(), TEXT("/Game/Maps/Harbour.Harbour"));

	const FSoftObjectPath Sub(TEXT("/Game/Maps/Harbour.Harbour:PersistentLevel.Light"));
	EXPECT_TRUE(Sub.IsSubobject());
	ExpectEq(Sub.GetAssetPathString(), TEXT("/Game/Maps/Harbour.Harbour"));
	ExpectEq(Sub.GetSubPathString(), TEXT("PersistentLevel.Light"));
	ExpectEq(Sub.ToString(), TEXT("/Game/Maps/Harbour.Harbour:PersistentLevel.Light"));
	EXPECT_TRUE(Sub != Quoted);
	EXPECT_TRUE(FSoftObjectPath(TEXT("/Game/Maps/Harbour.Harbour")) == Quoted);
}
