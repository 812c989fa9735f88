// What must fail, fails loudly: exit code, error line, and no damage to what was there before.
#include "PakTestSupport.h"
#include "Standin/Pak/PakReader.h"
#include "Standin/Pak/Sha1.h"

using namespace PakTest;
using namespace Standin::Pak;

namespace
{
class FPakFailure : public FPakTest
{
protected:
	void SetUp() override
	{
		FPakTest::SetUp();
		List = Scratch / "list.txt";
		Pak = Scratch / "Paks" / "stage.pak";
		WriteFile(List, ListLine(MakeSource("a.txt", 10).string(), "../../../G/a.txt") +
							ListLine(MakeSource("b.txt", 5000).string(), "../../../G/sub/b.txt"));
	}

	FRunResult Create(const std::vector<std::string>& Environment = {})
	{
		return RunUnrealPak({Pak.string(), "-create=" + List.string(), "-patchpaddingalign=2048"}, Environment);
	}

	// A valid archive of the two sources, its bytes returned.
	std::string CreateGood()
	{
		const FRunResult Run = Create();
		EXPECT_EQ(Run.ExitCode, 0) << Run.Text();
		return ReadFile(Pak);
	}

	void ExpectNoLeftovers()
	{
		for (const auto& Entry : std::filesystem::directory_iterator(Pak.parent_path()))
		{
			EXPECT_EQ(Entry.path(), Pak) << "left behind: " << Entry.path();
		}
	}

	std::filesystem::path List;
	std::filesystem::path Pak;
};

// An archive whose index names are given as is, each entry holding Data.
std::string CraftArchive(const std::u16string& MountPoint, const std::vector<std::u16string>& Names, const std::string& Data)
{
	std::string Bytes;
	FPakIndex Index;
	Index.MountPoint = MountPoint;
	for (const std::u16string& Name : Names)
	{
		FPakEntry Entry{Bytes.size(), Data.size(), Data.size(), 0, FSha1::Of(ToBytes(Data)), 0, 0};
		Index.Entries.push_back({Name, Entry});
		Entry.Offset = 0;
		AppendEntryRecord(Bytes, Entry);
		Bytes += Data;
	}
	const std::string IndexBytes = SerializeIndex(Index);
	return Bytes + IndexBytes + SerializeFooter({Bytes.size(), IndexBytes.size(), FSha1::Of(ToBytes(IndexBytes))});
}
} // namespace

TEST_F(FPakFailure, WrongArgumentsPrintTheExpectedForm)
{
	const FRunResult None = RunUnrealPak({});
	EXPECT_EQ(None.ExitCode, 1);
	EXPECT_NE(None.LineStartingWith("LogPakFile: Error: Incorrect arguments. Expected: <PakFile> -Create="), "") << None.Text();

	const FRunResult List = RunUnrealPak({"-List"});
	EXPECT_EQ(List.ExitCode, 1);
	EXPECT_TRUE(List.HasLine("LogPakFile: Error: Incorrect arguments. Expected: -List <PakFile> [-SizeFilter=N] [-Signed]"))
		<< List.Text();

	const FRunResult Extract = RunUnrealPak({Pak.string(), "-Extract"});
	EXPECT_EQ(Extract.ExitCode, 1);
	EXPECT_TRUE(Extract.HasLine("LogPakFile: Error: Incorrect arguments. Expected: -Extract <PakFile> <OutputPath>"));

	const FRunResult BadAlign = RunUnrealPak({Pak.string(), "-create=" + this->List.string(), "-patchpaddingalign=2k"});
	EXPECT_EQ(BadAlign.ExitCode, 1);
	EXPECT_NE(BadAlign.LineStartingWith("LogPakFile: Error: Incorrect arguments. -patchpaddingalign=2k"), "");

	const FRunResult Compress = RunUnrealPak({Pak.string(), "-create=" + this->List.string(), "-compress"});
	EXPECT_EQ(Compress.ExitCode, 1);
	EXPECT_NE(Compress.LineStartingWith("LogPakFile: Error: -compress is not supported"), "") << Compress.Text();
	EXPECT_FALSE(std::filesystem::exists(Pak));
}

TEST_F(FPakFailure, MissingOrEmptyResponseFileFails)
{
	const FRunResult Missing = RunUnrealPak({Pak.string(), "-create=" + (Scratch / "none.txt").string()});
	EXPECT_EQ(Missing.ExitCode, 1);
	EXPECT_NE(Missing.LineStartingWith("LogPakFile: Error: Failed to load response file " + (Scratch / "none.txt").string()), "")
		<< Missing.Text();

	WriteFile(List, "");
	const FRunResult Empty = Create();
	EXPECT_EQ(Empty.ExitCode, 1);
	EXPECT_TRUE(Empty.HasLine("LogPakFile: Error: No files specified to add to pak file.")) << Empty.Text();
	EXPECT_FALSE(std::filesystem::exists(Pak));
}

TEST_F(FPakFailure, MissingSourceLeavesTheOlderPakUntouched)
{
	const std::string Older = CreateGood();
	WriteFile(List, ReadFile(List) + ListLine((Scratch / "src" / "gone.txt").string(), "../../../G/gone.txt"));

	const FRunResult Run = Create();

	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Failed to collect files to add to pak file: unable to read source file"), "")
		<< Run.Text();
	EXPECT_EQ(ReadFile(Pak), Older);
	ExpectNoLeftovers();
}

TEST_F(FPakFailure, RefusedWriteFailsLikeAFullDiskAndKeepsTheOlderPak)
{
	const std::string Older = CreateGood();
	WriteFile(List, ListLine(MakeSource("c.txt", 7).string(), "../../../G/c.txt"));

	const FRunResult Run = Create({"LEVELWRIGHT_FAULT_DISK_FULL=" + Pak.parent_path().string()});

	EXPECT_EQ(Run.ExitCode, 1);
	const std::string Error = Run.LineStartingWith("LogPakFile: Error: Failed to create pak file " + Pak.string());
	EXPECT_NE(Error.find("No space left on device"), std::string::npos) << Run.Text();
	EXPECT_EQ(ReadFile(Pak), Older);
	ExpectNoLeftovers();
}

TEST_F(FPakFailure, WriteProtectedOlderPakIsNotReplaced)
{
	const std::string Older = CreateGood();
	WriteFile(List, ListLine(MakeSource("c.txt", 7).string(), "../../../G/c.txt"));
	// As Windows' read-only attribute does, for every user (an administrator too).
	namespace fs = std::filesystem;
	fs::permissions(Pak, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

	const FRunResult Run = Create();

	EXPECT_EQ(Run.ExitCode, 1);
	const std::string Error = Run.LineStartingWith("LogPakFile: Error: Failed to create pak file " + Pak.string());
	EXPECT_NE(Error.find("Permission denied"), std::string::npos) << Run.Text();
	EXPECT_EQ(ReadFile(Pak), Older);
	ExpectNoLeftovers();
}

TEST_F(FPakFailure, UnwritableOutputFails)
{
	WriteFile(Scratch / "blocker", "a file where a folder should be");
	Pak = Scratch / "blocker" / "stage.pak";

	const FRunResult Run = Create();

	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Failed to create pak file " + Pak.string()), "") << Run.Text();
}

TEST_F(FPakFailure, TruncatedOrGarbledPakIsReportedNotCrashedOn)
{
	const std::string Good = CreateGood();
	const std::vector<std::string> Broken = {
		Good.substr(0, Good.size() - 1),		   // footer cut
		Good.substr(0, 30),						   // shorter than a footer
		std::string(Good.size(), '\xAB'),		   // no magic
		Good.substr(0, Good.size() - 80) + Good.substr(Good.size() - 61), // index cut
	};
	for (const std::string& Bytes : Broken)
	{
		WriteFile(Pak, Bytes);
		for (const std::vector<std::string>& Arguments :
			 {std::vector<std::string>{Pak.string(), "-List"}, {Pak.string(), "-Extract", (Scratch / "x").string()}})
		{
			const FRunResult Run = RunUnrealPak(Arguments);
			EXPECT_EQ(Run.ExitCode, 1) << Run.Text();
			EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Unable to open pak file \"" + Pak.string() + "\": "), "")
				<< Run.Text();
		}
	}
	std::string FlippedIndex = Good;
	FlippedIndex[FlippedIndex.size() - 70] ^= 0x01;
	WriteFile(Pak, FlippedIndex);
	const FRunResult Run = RunUnrealPak({Pak.string(), "-List"});
	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_NE(Run.Text().find("corrupt pak index"), std::string::npos) << Run.Text();
}

TEST_F(FPakFailure, ExtractReportsRecordAndDataMismatches)
{
	std::string Bytes = CreateGood();
	const FPakIndex Index = FPakReader(Pak).Index();
	ASSERT_EQ(Index.Entries[0].Name, u"a.txt");
	Bytes[Index.Entries[0].Entry.Offset + 28] ^= 0x01;			  // a.txt: the record's hash differs from the index
	Bytes[Index.Entries[1].Entry.DataOffset() + 4999] ^= 0x01; // sub/b.txt: data differs from its hash
	WriteFile(Pak, Bytes);

	const FRunResult Run = RunUnrealPak({Pak.string(), "-Extract", (Scratch / "x").string()});

	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_TRUE(Run.HasLine("LogPakFile: Error: Serialized hash mismatch for \"a.txt\".")) << Run.Text();
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Unable to extract \"sub/b.txt\": "), "") << Run.Text();
	EXPECT_TRUE(Run.HasLine("LogPakFile: Display: Finished extracting 2 (including 2 errors).")) << Run.Text();
	EXPECT_FALSE(std::filesystem::exists(Scratch / "x" / "G" / "sub" / "b.txt"));
}

TEST_F(FPakFailure, ExtractRefusesNamesThatLeaveTheOutputFolder)
{
	WriteFile(Pak, CraftArchive(u"../../../G/", {u"../escape.txt", u"/abs.txt", u"sub\\..\\..\\win.txt", u"good.txt"}, "data"));
	const std::filesystem::path Out = Scratch / "deep" / "out";

	const FRunResult Run = RunUnrealPak({Pak.string(), "-Extract", Out.string()});

	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_TRUE(Run.HasLine("LogPakFile: Error: Refusing to extract \"../escape.txt\": its path \"G/../escape.txt\" "
							"leaves the output folder."))
		<< Run.Text();
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Refusing to extract \"/abs.txt\""), "");
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Refusing to extract \"sub\\..\\..\\win.txt\""), "");
	EXPECT_TRUE(Run.HasLine("LogPakFile: Display: Finished extracting 4 (including 3 errors).")) << Run.Text();
	EXPECT_EQ(ReadFile(Out / "G" / "good.txt"), "data");
	size_t Written = 0;
	for (const auto& Entry : std::filesystem::recursive_directory_iterator(Scratch))
	{
		Written += Entry.is_regular_file() && Entry.path().extension() == ".txt" && Entry.path() != List ? 1 : 0;
	}
	EXPECT_EQ(Written, 3u); // the two sources and good.txt, nothing else
}

TEST_F(FPakFailure, ExtractRefusesAMountPointThatClimbsOut)
{
	WriteFile(Pak, CraftArchive(u"../../../G/../../", {u"x.txt"}, "data"));

	const FRunResult Run = RunUnrealPak({Pak.string(), "-Extract", (Scratch / "out").string()});

	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Error: Refusing to extract \"x.txt\""), "") << Run.Text();
	EXPECT_FALSE(std::filesystem::exists(Scratch / "x.txt"));
}
