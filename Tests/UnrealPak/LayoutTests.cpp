// The library's pure parts: response-file text, order, mount point, padding, and the parsers'
// refusal of malformed bytes.
#include "PakTestSupport.h"
#include "Standin/Pak/PakLayout.h"
#include "Standin/Pak/PakReader.h"
#include "Standin/Pak/Sha1.h"

using namespace Standin::Pak;

TEST(PakResponseFile, TokensQuotesSwitchesAndBlankLines)
{
	const std::u16string Text = u"\r\n   \"C:/My Files/a.uasset\" \"../../../G/Content/Maps/x.uasset\" -compress\r\n"
								u"\r\n\t-compress\r\n"
								u"C:\\Cooked\\b.txt ..\\..\\..\\G\\Content\\ignored.txt\n"
								u"/abs/only.txt";

	const std::vector<FPakInputPair> Inputs = ParseResponseFile(Text);

	ASSERT_EQ(Inputs.size(), 3u);
	EXPECT_EQ(Inputs[0].Source, u"C:/My Files/a.uasset");
	EXPECT_EQ(Inputs[0].Dest, u"../../../G/Content/Maps/a.uasset"); // the destination's file name is not used
	EXPECT_EQ(Inputs[1].Source, u"C:/Cooked/b.txt");
	EXPECT_EQ(Inputs[1].Dest, u"../../../G/Content/b.txt");
	EXPECT_EQ(Inputs[2].Dest, u"/abs/only.txt"); // one path: the file keeps its own folder
}

TEST(PakResponseFile, DecodesUtf16WithBomUtf8AndEightBitText)
{
	const std::string Utf16 = std::string("\xFF\xFE", 2) + std::string("C\0\xE9\0\n\0", 6);
	EXPECT_EQ(DecodeText(PakTest::ToBytes(Utf16)), u"C\u00E9\n");
	EXPECT_EQ(DecodeText(PakTest::ToBytes("\xEF\xBB\xBF" "Caf\xC3\xA9")), u"Caf\u00E9");
	EXPECT_EQ(DecodeText(PakTest::ToBytes("Caf\xE9")), u"Caf\u00E9"); // not UTF-8: one character a byte
	// An odd number of bytes cannot be UTF-16, whatever its first two bytes.
	EXPECT_NE(DecodeText(PakTest::ToBytes("\xFF\xFE" "a")), u"a");
}

TEST(PakLayout, SortIgnoresCaseAndComparesWholePaths)
{
	std::vector<FPakInputPair> Inputs = {{u"1", u"b/Z.txt"}, {u"2", u"B/a.txt"}, {u"3", u"a_b/x"}, {u"4", u"aB/x"}};
	SortByDestination(Inputs);
	std::vector<std::u16string> Order;
	for (const FPakInputPair& Input : Inputs)
	{
		Order.push_back(Input.Source);
	}
	// '_' (0x5F) sorts before 'b' (0x62) once letters are lowered.
	EXPECT_EQ(Order, (std::vector<std::u16string>{u"3", u"4", u"2", u"1"}));
}

TEST(PakLayout, MountPointIsTheCommonFolderInWholeComponents)
{
	EXPECT_EQ(ComputeMountPoint({u"../../../G/Content/Maps/A.umap", u"../../../G/Content/B.uasset"}), u"../../../G/Content/");
	EXPECT_EQ(ComputeMountPoint({u"ab/cd/x", u"ab/ce/y"}), u"ab/");
	EXPECT_EQ(ComputeMountPoint({u"../Foo/Bar/a", u"../foo/bar/b"}), u"../Foo/Bar/");
	EXPECT_EQ(ComputeMountPoint({u"a/b/c/x", u"a/b/y"}), u"a/b/");
	EXPECT_EQ(ComputeMountPoint({u"only/one/file.txt"}), u"only/one/");
}

TEST(PakLayout, MountPointIsEmptyWithoutACommonFolder)
{
	EXPECT_EQ(ComputeMountPoint({u"a/x.txt", u"b/y.txt"}), u"");
	EXPECT_EQ(ComputeMountPoint({u"x.txt"}), u"");
	EXPECT_EQ(ComputeMountPoint({u"a/x.txt", u"y.txt"}), u"");
}

TEST(PakLayout, PatchPaddingAlignsLargeOrBoundaryCrossingEntries)
{
	EXPECT_EQ(PatchPadding(153, 1953, 2048), 2048u - 153u); // would cross 2048
	EXPECT_EQ(PatchPadding(4001, 2048, 2048), 4096u - 4001u); // exactly N: padded
	EXPECT_EQ(PatchPadding(7149, 63, 2048), 0u);			   // fits before 8192
	EXPECT_EQ(PatchPadding(4096, 5000, 2048), 0u);			   // already aligned
	EXPECT_EQ(PatchPadding(100, 2047, 2048), 1948u);		   // small, but crosses 2048
	EXPECT_EQ(PatchPadding(153, 1953, 0), 0u);
}

TEST(PakLayout, UexpCompanionNeedsTheSamePath)
{
	EXPECT_TRUE(IsUexpCompanion(u"Maps/A.uasset", u"Maps/a.UEXP"));
	EXPECT_FALSE(IsUexpCompanion(u"Maps/A.uasset", u"Maps/B.uexp"));
	EXPECT_FALSE(IsUexpCompanion(u"Maps/A.umap", u"Maps/A.uexp"));
}

TEST(PakLayout, ExtractionPathsStayBelowTheOutputFolder)
{
	EXPECT_EQ(ExtractionFolderOf(u"../../../Drovik/Content/"), u"Drovik/Content/");
	EXPECT_EQ(ExtractionFolderOf(u"/"), u"");
	EXPECT_TRUE(IsContainedRelativePath(u"Drovik/Content/a..b/x.uasset"));
	EXPECT_FALSE(IsContainedRelativePath(u"a/../../x"));
	EXPECT_FALSE(IsContainedRelativePath(u".."));
	EXPECT_FALSE(IsContainedRelativePath(u"/etc/x"));
	EXPECT_FALSE(IsContainedRelativePath(u"a\\..\\x"));
	EXPECT_FALSE(IsContainedRelativePath(u"C:/x"));
	EXPECT_FALSE(IsContainedRelativePath(u""));
}

namespace
{
// A small valid archive: two files, non-ASCII name included.
std::string MakeArchive(const std::u16string& MountPoint, const std::vector<std::pair<std::u16string, std::string>>& Files)
{
	std::string Bytes;
	FPakIndex Index;
	Index.MountPoint = MountPoint;
	for (const auto& [Name, Data] : Files)
	{
		FPakIndexEntry Item;
		Item.Name = Name;
		Item.Entry.Size = Item.Entry.UncompressedSize = Data.size();
		Item.Entry.Hash = FSha1::Of(PakTest::ToBytes(Data));
		Item.Entry.Offset = Bytes.size();
		FPakEntry Record = Item.Entry;
		Record.Offset = 0;
		AppendEntryRecord(Bytes, Record);
		Bytes += Data;
		Index.Entries.push_back(Item);
	}
	const std::string IndexBytes = SerializeIndex(Index);
	FPakFooter Footer{Bytes.size(), IndexBytes.size(), FSha1::Of(PakTest::ToBytes(IndexBytes))};
	return Bytes + IndexBytes + SerializeFooter(Footer);
}
} // namespace

TEST(PakParsers, RoundTripKeepsNamesAndRecords)
{
	const std::string Archive = MakeArchive(u"../../../G/", {{u"a.txt", "alpha"}, {u"Caf\u00E9/b.bin", std::string(300, 'x')}});
	const FPakIndex Index = ParseArchive(PakTest::ToBytes(Archive));
	EXPECT_EQ(Index.MountPoint, u"../../../G/");
	ASSERT_EQ(Index.Entries.size(), 2u);
	EXPECT_EQ(Index.Entries[1].Name, u"Caf\u00E9/b.bin");
	EXPECT_EQ(Index.Entries[1].Entry.Offset, 53u + 5u);
	EXPECT_EQ(Index.Entries[1].Entry.Size, 300u);
}

TEST(PakParsers, EveryTruncationIsRefused)
{
	const std::string Archive = MakeArchive(u"m/", {{u"a.txt", "alpha"}, {u"b.txt", "beta"}});
	for (size_t Length = 0; Length < Archive.size(); ++Length)
	{
		EXPECT_THROW(ParseArchive(PakTest::ToBytes(Archive.substr(0, Length))), FPakError) << Length;
	}
}

TEST(PakParsers, CorruptIndexBytesNeverEscapeAsAnythingButFPakError)
{
	const std::string Data = "some data";
	FPakIndex Index;
	Index.MountPoint = u"m/";
	Index.Entries.push_back({u"a.txt", FPakEntry{0, Data.size(), Data.size(), 0, FSha1::Of(PakTest::ToBytes(Data)), 0, 0}});
	const std::string IndexBytes = SerializeIndex(Index);
	const uint64_t IndexOffset = 53 + Data.size();
	size_t Refused = 0;
	for (size_t Position = 0; Position < IndexBytes.size(); ++Position)
	{
		for (uint8_t Value : {0x00, 0x01, 0x7F, 0x80, 0xFF})
		{
			std::string Mutated = IndexBytes;
			Mutated[Position] = static_cast<char>(Value);
			try
			{
				ParseIndex(PakTest::ToBytes(Mutated), IndexOffset);
			}
			catch (const FPakError&)
			{
				++Refused;
			}
		}
	}
	EXPECT_GT(Refused, 0u);
}

TEST(PakParsers, HugeEntryCountIsRefusedBeforeAllocating)
{
	std::string IndexBytes;
	AppendFString(IndexBytes, u"m/");
	IndexBytes += std::string("\xFF\xFF\xFF\x7F", 4);
	EXPECT_THROW(ParseIndex(PakTest::ToBytes(IndexBytes), 0), FPakError);
	std::string HugeName;
	HugeName += std::string("\x00\x00\x00\x80", 4); // INT32_MIN as a string length
	EXPECT_THROW(ParseIndex(PakTest::ToBytes(HugeName), 0), FPakError);
}
