// Turning a typed name into a mod name, and creating the mod's definition from it.
#include <gmock/gmock.h>

#include "Drovik_Map.h"
#include "PluginTestFixture.h"
#include "QRNInterface/ModName.h"
#include "QRNInterface/QRNInterface.h"

using namespace LevelwrightTest;
using ::testing::IsEmpty;

namespace
{
std::u16string Str(const FString& Text)
{
	return std::u16string(*Text);
}

TEST(ModName, BlanksAndDotsBecomeUnderscores)
{
	EXPECT_EQ(Str(MakeModName(TEXT("Old Harbour 2.0"))), u"Old_Harbour_2_0");
	EXPECT_EQ(Str(MakeModName(TEXT("a.b"))), u"a_b");
}

TEST(ModName, CharactersAFileNameCannotHoldAreDropped)
{
	EXPECT_EQ(Str(MakeModName(TEXT("/?:&\\*\"<>|%#@^"))), u"");
	EXPECT_EQ(Str(MakeModName(TEXT("Ha<rb>our: #1"))), u"Harbour_1");
}

TEST(ModName, LengthIsThreeToThirtyTwoCharacters)
{
	EXPECT_FALSE(IsModNameLengthValid(FString()));
	EXPECT_FALSE(IsModNameLengthValid(TEXT("ab")));
	EXPECT_TRUE(IsModNameLengthValid(TEXT("abc")));
	EXPECT_TRUE(IsModNameLengthValid(FString(std::u16string(32, u'x'))));
	EXPECT_FALSE(IsModNameLengthValid(FString(std::u16string(33, u'x'))));
	// Dropped characters do not count towards the length.
	EXPECT_FALSE(IsModNameLengthValid(MakeModName(TEXT("a?b"))));
}

class FModCreationTest : public FPluginTest
{
protected:
	// Quarn mode on a project without a mod: Steam is down and the author says it is a Quarn mod.
	FQRNInterface& StartWithoutMod()
	{
		Machine.SetClient("running", "false");
		Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
		StartModule();
		Standin::Dialogs::ClearShown();
		EXPECT_NE(Module().QuarnMod, nullptr);
		return *Module().QuarnMod;
	}
};

TEST_F(FModCreationTest, CreatesTheQrnFolderDefinitionFromTheCleanedName)
{
	FQRNInterface& Mod = StartWithoutMod();
	Mod.MapName = MakeModName(TEXT("Old Harbour 2.0"));

	Mod.CreateMod();

	EXPECT_TRUE(Mod.HasMod());
	EXPECT_EQ(Str(Mod.ModId), u"Old_Harbour_2_0");
	EXPECT_FALSE(Mod.bIsUGCFolder);
	EXPECT_TRUE(LogHas("LevelwrightLog: Creating map folder for id Old_Harbour_2_0"));
	UDrovik_Map* Definition = Mod.GetDefinition();
	ASSERT_NE(Definition, nullptr);
	EXPECT_EQ(Str(Definition->Id), u"QRN_Old_Harbour_2_0");
	EXPECT_TRUE(Definition->bCreatedByPlugin);
	EXPECT_THAT(Boxes(), IsEmpty());
}

TEST_F(FModCreationTest, ASecondCreationFindsTheDefinitionAndChangesNothing)
{
	FQRNInterface& Mod = StartWithoutMod();
	Mod.MapName = TEXT("Harbour");
	Mod.CreateMod();
	Mod.MapName = TEXT("Lighthouse");

	Mod.CreateMod();

	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Cannot create a Definition file one already exists in this project!"));
	EXPECT_FALSE(LogHas("Creating map folder for id Lighthouse"));
	EXPECT_EQ(Str(Mod.ModId), u"Harbour");
}

struct FNameCase
{
	const char* Name;
	const char16_t* Typed;
	bool bAccepted;
};

void PrintTo(const FNameCase& Case, std::ostream* Out)
{
	*Out << Case.Name;
}

class FModNameLengthTest : public FModCreationTest, public ::testing::WithParamInterface<FNameCase>
{
};

TEST_P(FModNameLengthTest, OnlyNamesOfThreeToThirtyTwoCharactersCreateAMod)
{
	FQRNInterface& Mod = StartWithoutMod();
	Mod.MapName = MakeModName(FString(GetParam().Typed));

	Mod.CreateMod();

	EXPECT_EQ(Mod.HasMod(), GetParam().bAccepted);
	EXPECT_EQ(BoxShown("Error", "The map name needs to be 3-32 characters long"), !GetParam().bAccepted);
	EXPECT_EQ(Boxes().size(), GetParam().bAccepted ? 0u : 1u);
	EXPECT_EQ(LogHas("Creating map folder for id"), GetParam().bAccepted);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FModNameLengthTest,
						 ::testing::Values(FNameCase{"Empty", u"", false}, FNameCase{"Two", u"ab", false}, FNameCase{"Three", u"abc", true},
										   FNameCase{"ThreeWithDot", u"a.b", true}, FNameCase{"TwoAfterDropping", u"a?b", false},
										   FNameCase{"ThirtyTwo", u"abcdefghijklmnopqrstuvwxyz012345", true},
										   FNameCase{"ThirtyThree", u"abcdefghijklmnopqrstuvwxyz0123456", false},
										   FNameCase{"ThirtyTwoAfterDropping", u"<<abcdefghijklmnopqrstuvwxyz012345>>", true}),
						 [](const ::testing::TestParamInfo<FNameCase>& Info) { return std::string(Info.param.Name); });
} // namespace
