// FFileHelper's text files: the bytes SaveStringToFile writes (auto-detected encoding) and the
// encodings LoadFileToString reads back.
#include "CoreTestSupport.h"
#include "Misc/FileHelper.h"

using CoreTest::Hex;
using CoreTest::ReadFile;
using CoreTest::Utf8;
using CoreTest::WriteFile;

namespace
{
class FileHelperTest : public ::testing::Test
{
protected:
	CoreTest::FScratch Scratch;

	// Saves Text to X:/Out/<Name> and returns the bytes that reached the disk.
	std::string SavedBytes(const FString& Text, const std::string& Name = "out.txt")
	{
		const FString Path = FString(TEXT("X:/Out/")) + Standin::FromUtf8(Name);
		EXPECT_TRUE(FFileHelper::SaveStringToFile(Text, *Path));
		return ReadFile(Scratch.Drive('x') / "Out" / Name);
	}

	// Writes Bytes to a file and loads it as a string.
	std::string Loaded(const std::string& Bytes)
	{
		WriteFile(Scratch.Drive('x') / "In" / "in.txt", Bytes);
		FString Result(TEXT("stale"));
		EXPECT_TRUE(FFileHelper::LoadFileToString(Result, TEXT("X:\\In\\in.txt")));
		return Utf8(Result);
	}
};
} // namespace

TEST_F(FileHelperTest, PureAsciiIsSavedOneBytePerCharacterWithoutBomOrNewline)
{
	EXPECT_EQ(SavedBytes(TEXT("[Mod]\r\nName=Arena")), "[Mod]\r\nName=Arena");
	EXPECT_EQ(SavedBytes(FString(TEXT("edge\u007f"))), "edge\x7f") << "0x7F is still ASCII";
}

TEST_F(FileHelperTest, AnyCharacterAboveAsciiSwitchesToUtf16LittleEndianWithBom)
{
	EXPECT_EQ(Hex(SavedBytes(TEXT("Caf\u00e9"))), "FF FE 43 00 61 00 66 00 E9 00");
	EXPECT_EQ(Hex(SavedBytes(TEXT("a\u0080"))), "FF FE 61 00 80 00");
	EXPECT_EQ(Hex(SavedBytes(TEXT("\u65e5"))), "FF FE E5 65");
	EXPECT_EQ(Hex(SavedBytes(TEXT("\U0001F600"))), "FF FE 3D D8 00 DE") << "a surrogate pair, unit by unit";
}

TEST_F(FileHelperTest, TheEncodingIsDecidedOnTheTextBeforeAnEmbeddedNul)
{
	const TCHAR Text[] = {u'a', u'\0', u'\u00e9', u'b'};
	EXPECT_EQ(Hex(SavedBytes(FString(4, Text))), "61 00 3F 62") << "the engine reads the text as a C string to decide";
	const TCHAR Before[] = {u'\u00e9', u'\0', u'b'};
	EXPECT_EQ(Hex(SavedBytes(FString(3, Before))), "FF FE E9 00 00 00 62 00");
}

TEST_F(FileHelperTest, EmptyStringGivesAnEmptyFileEvenOverAnOldOne)
{
	WriteFile(Scratch.Drive('x') / "Out" / "old.txt", "previous contents");
	EXPECT_EQ(SavedBytes(FString(), "old.txt"), "");
	EXPECT_TRUE(std::filesystem::exists(Scratch.Drive('x') / "Out" / "old.txt"));
	EXPECT_EQ(std::filesystem::file_size(Scratch.Drive('x') / "Out" / "old.txt"), 0u);
	EXPECT_EQ(SavedBytes(FString(), "new.txt"), "");
	EXPECT_TRUE(std::filesystem::exists(Scratch.Drive('x') / "Out" / "new.txt"));
}

TEST_F(FileHelperTest, ForcedEncodings)
{
	const FString Text(TEXT("Caf\u00e9"));
	ASSERT_TRUE(FFileHelper::SaveStringToFile(Text, TEXT("X:/f/ansi.txt"), FFileHelper::EEncodingOptions::ForceAnsi));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "f" / "ansi.txt"), "Caf?");
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("ab"), TEXT("X:/f/unicode.txt"), FFileHelper::EEncodingOptions::ForceUnicode));
	EXPECT_EQ(Hex(ReadFile(Scratch.Drive('x') / "f" / "unicode.txt")), "FF FE 61 00 62 00");
	ASSERT_TRUE(FFileHelper::SaveStringToFile(Text, TEXT("X:/f/utf8.txt"), FFileHelper::EEncodingOptions::ForceUTF8));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "f" / "utf8.txt"), "\xEF\xBB\xBF" "Caf\xC3\xA9");
	ASSERT_TRUE(FFileHelper::SaveStringToFile(Text, TEXT("X:/f/utf8nobom.txt"), FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "f" / "utf8nobom.txt"), "Caf\xC3\xA9");
}

TEST_F(FileHelperTest, LoadReadsBothUtf16ByteOrdersAndNeverKeepsTheBom)
{
	EXPECT_EQ(Loaded(std::string("\xFF\xFE" "C\0a\0f\0\xE9\0", 10)), "Caf\u00e9");
	EXPECT_EQ(Loaded(std::string("\xFE\xFF" "\0C\0a\0f\0\xE9", 10)), "Caf\u00e9");
	EXPECT_EQ(Loaded(std::string("\xFF\xFE" "=\xD8\x00\xDE", 6)), "\U0001F600");
	EXPECT_EQ(Loaded(std::string("\xFF\xFE", 2)), "");
}

TEST_F(FileHelperTest, LoadReadsUtf8WithAndWithoutBom)
{
	EXPECT_EQ(Loaded("\xEF\xBB\xBF" "Caf\xC3\xA9 \xE6\x97\xA5"), "Caf\u00e9 \u65e5");
	EXPECT_EQ(Loaded("Caf\xC3\xA9 \xE6\x97\xA5"), "Caf\u00e9 \u65e5");
	EXPECT_EQ(Loaded("\"LibraryFolders\"\r\n{\r\n}\r\n"), "\"LibraryFolders\"\r\n{\r\n}\r\n");
	EXPECT_EQ(Loaded(""), "");
}

TEST_F(FileHelperTest, SavedTextLoadsBackUnchanged)
{
	for (const FString& Text : {FString(TEXT("plain\r\ntext")), FString(TEXT("Caf\u00e9 \u65e5\u672c \U0001F600")), FString()})
	{
		ASSERT_TRUE(FFileHelper::SaveStringToFile(Text, TEXT("X:/RoundTrip/t.txt")));
		FString Back(TEXT("stale"));
		ASSERT_TRUE(FFileHelper::LoadFileToString(Back, TEXT("X:/RoundTrip/t.txt")));
		EXPECT_EQ(Utf8(Back), Utf8(Text));
		EXPECT_TRUE(Back.Equals(Text));
	}
}

TEST_F(FileHelperTest, LoadOfAMissingFileIsFalse)
{
	FString Result(TEXT("unchanged"));
	EXPECT_FALSE(FFileHelper::LoadFileToString(Result, TEXT("X:/No/Such/File.txt")));
	TArray<uint8> Bytes;
	EXPECT_FALSE(FFileHelper::LoadFileToArray(Bytes, TEXT("X:/No/Such/File.txt")));
	EXPECT_FALSE(FFileHelper::LoadFileToString(Result, TEXT("X:/")));
}
