// The archive the real 4.21 UnrealPak wrote: ours must write the same bytes from the same inputs,
// and read it back with the documented -List and -Extract lines.
#include "PakTestSupport.h"

using namespace PakTest;

namespace
{
const char* const ReferenceFiles[] = {"directory/nested.txt", "test.png", "test.txt", "zeros.bin"};

class FReferenceArchive : public FPakTest
{
protected:
	void SetUp() override
	{
		FPakTest::SetUp();
		Reference = ReferenceDir();
		ASSERT_TRUE(std::filesystem::exists(Reference / "pack_v7.pak")) << Reference;
	}

	std::filesystem::path Reference;
};
} // namespace

TEST_F(FReferenceArchive, CreateReproducesTheRealToolsBytes)
{
	std::string List;
	for (const char* File : ReferenceFiles)
	{
		List += ListLine((Reference / "root" / File).string(), std::string("../mount/point/root/") + File);
	}
	WriteFile(Scratch / "list.txt", List);
	const std::filesystem::path Pak = Scratch / "out" / "pack_v7.pak";

	const FRunResult Run = RunUnrealPak({Pak.string(), "-create=" + (Scratch / "list.txt").string(), "-platform=Windows",
										 "-UTF8Output", "-multiprocess"});

	ASSERT_EQ(Run.ExitCode, 0) << Run.Text();
	EXPECT_EQ(ReadFile(Pak), ReadFile(Reference / "pack_v7.pak"));
	EXPECT_TRUE(Run.HasLine("LogPakFile: Display: Added 4 entries to add to pak file.")) << Run.Text();
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Display: Added 4 files, 13926 bytes total, time "), "") << Run.Text();
}

TEST_F(FReferenceArchive, ListPrintsMountPointEntriesAndTotals)
{
	const FRunResult Run = RunUnrealPak({(Reference / "pack_v7.pak").string(), "-List"});

	ASSERT_EQ(Run.ExitCode, 0) << Run.Text();
	const std::vector<std::string> Expected = {
		"LogPakFile: Display: Mount point ../mount/point/root/",
		"LogPakFile: Display: \"directory/nested.txt\" offset: 0, size: 596 bytes, sha1: 00DD94FDC35FF591A99A5E14DC9BD3588978A61C.",
		"LogPakFile: Display: \"test.png\" offset: 649, size: 10257 bytes, sha1: 41A12AA43D512B066045D1C9609BF3FCD8E2098D.",
		"LogPakFile: Display: \"test.txt\" offset: 10959, size: 446 bytes, sha1: 4518012E1B365E504001DBC94120624F15B8BBD5.",
		"LogPakFile: Display: \"zeros.bin\" offset: 11458, size: 2048 bytes, sha1: 605DB3FDBAFF4BA13729371AD0C4FBAB3889378E.",
		"LogPakFile: Display: 4 files (13347 bytes), (13347 filtered bytes)."};
	ASSERT_GE(Run.Lines.size(), Expected.size());
	EXPECT_EQ(std::vector<std::string>(Run.Lines.begin(), Run.Lines.begin() + Expected.size()), Expected);
}

TEST_F(FReferenceArchive, ListSizeFilterKeepsTotalsButHidesSmallEntries)
{
	const FRunResult Run = RunUnrealPak({(Reference / "pack_v7.pak").string(), "-List", "-SizeFilter=2048"});

	ASSERT_EQ(Run.ExitCode, 0) << Run.Text();
	EXPECT_EQ(Run.LineStartingWith("LogPakFile: Display: \"test.txt\""), "");
	EXPECT_NE(Run.LineStartingWith("LogPakFile: Display: \"zeros.bin\""), "");
	EXPECT_TRUE(Run.HasLine("LogPakFile: Display: 4 files (13347 bytes), (12305 filtered bytes).")) << Run.Text();
}

TEST_F(FReferenceArchive, ExtractGivesBackTheOriginalFilesBelowTheMountPoint)
{
	const std::string OutDir = (Scratch / "extracted").string();

	const FRunResult Run = RunUnrealPak({(Reference / "pack_v7.pak").string(), "-Extract", OutDir});

	ASSERT_EQ(Run.ExitCode, 0) << Run.Text();
	for (const char* File : ReferenceFiles)
	{
		const std::string Relative = std::string("mount/point/root/") + File;
		EXPECT_TRUE(Run.HasLine(std::string("LogPakFile: Display: Extracted \"") + File + "\" to \"" + OutDir + "/" +
								Relative + "\"."))
			<< Run.Text();
		EXPECT_EQ(ReadFile(OutDir + "/" + Relative), ReadFile(Reference / "root" / File)) << File;
	}
	EXPECT_TRUE(Run.HasLine("LogPakFile: Display: Finished extracting 4 (including 0 errors).")) << Run.Text();
}
