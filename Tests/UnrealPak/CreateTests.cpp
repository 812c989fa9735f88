// -create end to end: padding, the .uasset/.uexp rule, encodings and drive-letter paths.
#include "PakTestSupport.h"
#include "Standin/Machine.h"
#include "Standin/Pak/PakReader.h"

using namespace PakTest;
using namespace Standin::Pak;

namespace
{
class FPakCreate : public FPakTest
{
protected:
	// Packs sources (relative to src/) under "../../../G/Content/" and returns the archive's index.
	FPakIndex Pack(const std::vector<std::pair<std::string, size_t>>& Files, const std::vector<std::string>& Switches)
	{
		std::string List;
		for (const auto& [Relative, Size] : Files)
		{
			List += ListLine(MakeSource(Relative, Size).string(), "../../../G/Content/" + Relative);
		}
		WriteFile(Scratch / "list.txt", List);
		std::vector<std::string> Arguments = {(Scratch / "out.pak").string(), "-create=" + (Scratch / "list.txt").string()};
		Arguments.insert(Arguments.end(), Switches.begin(), Switches.end());
		const FRunResult Run = RunUnrealPak(Arguments);
		EXPECT_EQ(Run.ExitCode, 0) << Run.Text();
		return FPakReader(Scratch / "out.pak").Index();
	}

	std::vector<uint64_t> Offsets(const FPakIndex& Index)
	{
		std::vector<uint64_t> Result;
		for (const FPakIndexEntry& Item : Index.Entries)
		{
			Result.push_back(Item.Entry.Offset);
		}
		return Result;
	}
};
} // namespace

TEST_F(FPakCreate, WithoutPaddingEntriesFollowEachOther)
{
	const FPakIndex Index = Pack({{"a.bin", 100}, {"b.bin", 1900}}, {"-platform=Windows"});
	EXPECT_EQ(Offsets(Index), (std::vector<uint64_t>{0, 153}));
	EXPECT_EQ(Index.MountPoint, u"../../../G/Content/");
}

TEST_F(FPakCreate, PatchPaddingAlignsCrossingAndLargeEntries)
{
	const FPakIndex Index =
		Pack({{"a.bin", 100}, {"b.bin", 1900}, {"c.bin", 3000}, {"d.bin", 10}}, {"-patchpaddingalign=2048"});

	// a at 0; b (1953 bytes from 153) would cross 2048; c is at least 2048 long; d fits before 8192.
	EXPECT_EQ(Offsets(Index), (std::vector<uint64_t>{0, 2048, 4096, 7149}));
	const std::string Archive = ReadFile(Scratch / "out.pak");
	EXPECT_EQ(Archive.substr(153, 2048 - 153), std::string(2048 - 153, '\0'));
	EXPECT_NO_THROW(ParseArchive(ToBytes(Archive)));
}

TEST_F(FPakCreate, UassetCountsHalfItsUexpAndTheUexpIsNeverPadded)
{
	const FPakIndex Index = Pack(
		{{"a.bin", 100}, {"b.bin", 1900}, {"c.bin", 3000}, {"d.bin", 10}, {"m.uasset", 500}, {"m.uexp", 3000}},
		{"-patchpaddingalign=2048"});

	// Alone, m.uasset (553 bytes from 7212) would fit before 8192; with half of m.uexp it reaches
	// 2053 bytes and is aligned. m.uexp, 3053 bytes, follows it directly.
	ASSERT_EQ(Index.Entries.size(), 6u);
	EXPECT_EQ(Index.Entries[4].Name, u"m.uasset");
	EXPECT_EQ(Index.Entries[4].Entry.Offset, 8192u);
	EXPECT_EQ(Index.Entries[5].Entry.Offset, 8192u + 553u);
}

TEST_F(FPakCreate, Utf16ResponseFileWithNonAsciiNameIsStoredAsUtf16)
{
	const std::filesystem::path Source = MakeSource("Caf\xC3\xA9 \xC3\xBC.txt", 64);
	const std::u16string Line = u"\"" + Standin::Machine::ToUtf16(Source.string()) + u"\" \"../../../G/\u00DCml/x\"\r\n";
	std::string Bytes = "\xFF\xFE";
	for (char16_t C : Line)
	{
		Bytes += static_cast<char>(C & 0xFF);
		Bytes += static_cast<char>(C >> 8);
	}
	WriteFile(Scratch / "list.txt", Bytes);

	const FRunResult Run = RunUnrealPak({(Scratch / "out.pak").string(), "-create=" + (Scratch / "list.txt").string()});

	ASSERT_EQ(Run.ExitCode, 0) << Run.Text();
	const FPakIndex Index = FPakReader(Scratch / "out.pak").Index();
	EXPECT_EQ(Index.MountPoint, u"../../../G/\u00DCml/");
	ASSERT_EQ(Index.Entries.size(), 1u);
	EXPECT_EQ(Index.Entries[0].Name, u"Caf\u00E9 \u00FC.txt");
	// A non-ASCII FString is stored with a negative length and UTF-16LE characters.
	std::string Stored;
	AppendFString(Stored, u"Caf\u00E9 \u00FC.txt");
	EXPECT_EQ(Stored.substr(0, 4), std::string("\xF5\xFF\xFF\xFF", 4));
	EXPECT_NE(ReadFile(Scratch / "out.pak").find(Stored), std::string::npos);

	const FRunResult Extract = RunUnrealPak({(Scratch / "out.pak").string(), "-Extract", (Scratch / "x").string()});
	ASSERT_EQ(Extract.ExitCode, 0) << Extract.Text();
	EXPECT_EQ(ReadFile(Scratch / "x" / "G" / "\xC3\x9Cml" / "Caf\xC3\xA9 \xC3\xBC.txt"), ReadFile(Source));
}

TEST_F(FPakCreate, DriveLetterPathsMapIntoTheMachineFolder)
{
	const std::filesystem::path Machine = Scratch / "machine";
	WriteFile(Machine / "drives/c/Proj/Saved/Cooked/a.txt", "alpha");
	WriteFile(Machine / "drives/c/Proj/Saved/custommap_paklist.txt",
			  ListLine("C:/Proj/Saved/Cooked/a.txt", "../../../Drovik/Content/CustomMaps/UGC1/a.txt"));
	const std::string Pak = "D:/SteamLibrary/steamapps/common/DrovikVR/Drovik/Content/Paks/pakchunk_workshop_stage.pak";
	const std::vector<std::string> Environment = {"LEVELWRIGHT_MACHINE=" + Machine.string()};

	const FRunResult Run = RunUnrealPak(
		{Pak, "-create=C:/Proj/Saved/custommap_paklist.txt", "-platform=Windows", "-UTF8Output", "-multiprocess",
		 "-patchpaddingalign=2048"},
		Environment);

	ASSERT_EQ(Run.ExitCode, 0) << Run.Text();
	const std::filesystem::path HostPak =
		Machine / "drives/d/SteamLibrary/steamapps/common/DrovikVR/Drovik/Content/Paks/pakchunk_workshop_stage.pak";
	ASSERT_TRUE(std::filesystem::exists(HostPak));
	EXPECT_EQ(FPakReader(HostPak).Index().MountPoint, u"../../../Drovik/Content/CustomMaps/UGC1/");

	const FRunResult Extract = RunUnrealPak({Pak, "-Extract", "E:/out"}, Environment);
	ASSERT_EQ(Extract.ExitCode, 0) << Extract.Text();
	EXPECT_TRUE(Extract.HasLine(
		"LogPakFile: Display: Extracted \"a.txt\" to \"E:/out/Drovik/Content/CustomMaps/UGC1/a.txt\"."))
		<< Extract.Text();
	EXPECT_EQ(ReadFile(Machine / "drives/e/out/Drovik/Content/CustomMaps/UGC1/a.txt"), "alpha");
}
