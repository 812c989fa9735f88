// The file layer: drive-letter paths mapped into the stand-in machine, IFileManager and
// IPlatformFile as the engine documents them, and the disk-full fault switch.
#include <algorithm>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "CoreTestSupport.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformFilemanager.h"
#include "Misc/FileHelper.h"

using CoreTest::ReadFile;
using CoreTest::Utf8;
using CoreTest::WriteFile;

namespace
{
// Records every visit; stops after StopAfter visits when that is set.
class FRecordingVisitor : public IPlatformFile::FDirectoryVisitor
{
public:
	explicit FRecordingVisitor(int InStopAfter = -1) : StopAfter(InStopAfter) {}
	bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override
	{
		Visits.emplace_back(Utf8(FilenameOrDirectory), bIsDirectory);
		return StopAfter < 0 || static_cast<int>(Visits.size()) < StopAfter;
	}
	std::set<std::pair<std::string, bool>> AsSet() const { return {Visits.begin(), Visits.end()}; }

	std::vector<std::pair<std::string, bool>> Visits;

private:
	int StopAfter;
};

class FileSystemTest : public ::testing::Test
{
protected:
	CoreTest::FScratch Scratch;
	IFileManager& Manager = IFileManager::Get();
	IPlatformFile& Platform = FPlatformFileManager::Get().GetPlatformFile();

	// X:/Tree: a.txt, Sub/b.txt, Sub/Deeper/c.txt, Sub/Deeper/Empty/, Other/d.txt
	void MakeTree()
	{
		const std::filesystem::path Tree = Scratch.Drive('x') / "Tree";
		WriteFile(Tree / "a.txt", "a");
		WriteFile(Tree / "Sub" / "b.txt", "bb");
		WriteFile(Tree / "Sub" / "Deeper" / "c.txt", "ccc");
		std::filesystem::create_directories(Tree / "Sub" / "Deeper" / "Empty");
		WriteFile(Tree / "Other" / "d.txt", "dddd");
	}
};
} // namespace

TEST_F(FileSystemTest, DriveLetterPathsLandInTheMachinesDriveFolders)
{
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("one"), TEXT("X:/Some/Folder/f.txt")));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "Some" / "Folder" / "f.txt"), "one");
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("two"), TEXT("X:\\Other\\g.txt")));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "Other" / "g.txt"), "two");
	ASSERT_TRUE(FFileHelper::SaveStringToFile(TEXT("three"), TEXT("d:\\Mixed/Separators\\h.txt")));
	EXPECT_EQ(ReadFile(Scratch.Drive('d') / "Mixed" / "Separators" / "h.txt"), "three") << "the letter folder is lower case";

	EXPECT_TRUE(Manager.FileExists(TEXT("x:\\Some\\Folder\\f.txt")));
	EXPECT_TRUE(Manager.DirectoryExists(TEXT("X:/Some/Folder/")));
	EXPECT_TRUE(Manager.DirectoryExists(TEXT("X:\\")));
	EXPECT_EQ(Manager.FileSize(TEXT("X:\\Other\\g.txt")), 3);
	FString Back;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Back, TEXT("D:/Mixed/Separators/h.txt")));
	EXPECT_EQ(Utf8(Back), "three");

	const std::filesystem::path Machine = Scratch.Path() / "machine";
	EXPECT_EQ(Standin::Machine::ToHostPath(std::u16string_view(u"C:\\Program Files (x86)\\Steam")),
			  Machine / "drives" / "c" / "Program Files (x86)" / "Steam");
	EXPECT_EQ(Standin::Machine::ToHostPath(std::u16string_view(u"C:")), Machine / "drives" / "c");
	EXPECT_EQ(Standin::Machine::ToHostPath(std::string_view("relative\\dir\\f.txt")), std::filesystem::path("relative/dir/f.txt"));
	EXPECT_EQ(Standin::Machine::ToHostPath(std::string_view("/abs/path")), std::filesystem::path("/abs/path"));
	EXPECT_EQ(Standin::Machine::ToHostPath(std::string_view("C:relative")), std::filesystem::path("C:relative")) << "not a drive root";
}

TEST(FileSystemNoMachine, DrivePathsFailLoudlyInsteadOfLandingInTheWorkingFolder)
{
	CoreTest::FScratch Scratch;
	// In a child process, so the one-time message is this test's own.
	EXPECT_EXIT(
		{
			::unsetenv("LEVELWRIGHT_MACHINE");
			std::filesystem::current_path(Scratch.Path());
			const bool bSaved = FFileHelper::SaveStringToFile(TEXT("x"), TEXT("C:/Users/x.txt"));
			const bool bMadeFolder = IFileManager::Get().MakeDirectory(TEXT("C:\\Users\\Folder"), true);
			const bool bExists = IFileManager::Get().FileExists(TEXT("C:/Users/x.txt"));
			std::error_code Error;
			const bool bLeaked = std::filesystem::directory_iterator(Scratch.Path() / "machine" / "drives", Error) !=
									 std::filesystem::directory_iterator() ||
								 std::filesystem::exists("C:") || std::filesystem::exists("Users") ||
								 std::filesystem::exists("c");
			std::exit(!bSaved && !bMadeFolder && !bExists && !bLeaked ? 0 : 1);
		},
		testing::ExitedWithCode(0), "Standin: Error: the drive path C:/Users/x.txt needs a stand-in machine, but LEVELWRIGHT_MACHINE is not set");
}

TEST_F(FileSystemTest, IterateDirectoryGivesDirectorySlashNameEntries)
{
	MakeTree();
	FRecordingVisitor Visitor;
	ASSERT_TRUE(Manager.IterateDirectory(TEXT("X:/Tree"), Visitor));
	EXPECT_EQ(Visitor.AsSet(), (std::set<std::pair<std::string, bool>>{
								   {"X:/Tree/a.txt", false}, {"X:/Tree/Sub", true}, {"X:/Tree/Other", true}}));
	EXPECT_EQ(Visitor.Visits.size(), 3u);

	// The caller's string is kept as given, then joined with '/'.
	FRecordingVisitor WithSlash;
	ASSERT_TRUE(Platform.IterateDirectory(TEXT("X:/Tree/"), WithSlash));
	EXPECT_TRUE(WithSlash.AsSet().count({"X:/Tree/a.txt", false}));
	FRecordingVisitor WithBackslashes;
	ASSERT_TRUE(Platform.IterateDirectory(TEXT("x:\\Tree"), WithBackslashes));
	EXPECT_TRUE(WithBackslashes.AsSet().count({"x:\\Tree/Sub", true}));
}

TEST_F(FileSystemTest, IterateDirectoryIsFalseForAMissingFolderOrAStoppedVisitor)
{
	MakeTree();
	FRecordingVisitor Missing;
	EXPECT_FALSE(Manager.IterateDirectory(TEXT("X:/NoSuchFolder"), Missing));
	EXPECT_TRUE(Missing.Visits.empty());
	EXPECT_FALSE(Manager.IterateDirectoryRecursively(TEXT("X:/NoSuchFolder"), Missing));
	EXPECT_FALSE(Manager.IterateDirectory(TEXT("X:/Tree/a.txt"), Missing)) << "a file is no folder";

	FRecordingVisitor StopsAtFirst(1);
	EXPECT_FALSE(Manager.IterateDirectory(TEXT("X:/Tree"), StopsAtFirst));
	EXPECT_EQ(StopsAtFirst.Visits.size(), 1u);
	FRecordingVisitor StopsAtThird(3);
	EXPECT_FALSE(Manager.IterateDirectoryRecursively(TEXT("X:/Tree"), StopsAtThird));
	EXPECT_EQ(StopsAtThird.Visits.size(), 3u);

	FRecordingVisitor Empty;
	EXPECT_TRUE(Manager.IterateDirectory(TEXT("X:/Tree/Sub/Deeper/Empty"), Empty));
	EXPECT_TRUE(Empty.Visits.empty());
}

TEST_F(FileSystemTest, IterateDirectoryRecursivelyVisitsEachFolderBeforeItsSubtree)
{
	MakeTree();
	FRecordingVisitor Visitor;
	ASSERT_TRUE(Manager.IterateDirectoryRecursively(TEXT("X:/Tree"), Visitor));
	EXPECT_EQ(Visitor.AsSet(), (std::set<std::pair<std::string, bool>>{
								   {"X:/Tree/a.txt", false},
								   {"X:/Tree/Sub", true},
								   {"X:/Tree/Sub/b.txt", false},
								   {"X:/Tree/Sub/Deeper", true},
								   {"X:/Tree/Sub/Deeper/c.txt", false},
								   {"X:/Tree/Sub/Deeper/Empty", true},
								   {"X:/Tree/Other", true},
								   {"X:/Tree/Other/d.txt", false},
							   }));
	ASSERT_EQ(Visitor.Visits.size(), 8u) << "each entry once";
	// Pre-order: a folder's entries follow it directly, all of them before anything outside it.
	for (size_t Index = 0; Index < Visitor.Visits.size(); ++Index)
	{
		if (!Visitor.Visits[Index].second)
		{
			continue;
		}
		const std::string Prefix = Visitor.Visits[Index].first + "/";
		size_t End = Index + 1;
		while (End < Visitor.Visits.size() && Visitor.Visits[End].first.rfind(Prefix, 0) == 0)
		{
			++End;
		}
		for (size_t Later = End; Later < Visitor.Visits.size(); ++Later)
		{
			EXPECT_NE(Visitor.Visits[Later].first.rfind(Prefix, 0), 0u)
				<< Visitor.Visits[Later].first << " comes after something outside " << Prefix;
		}
	}
}

TEST_F(FileSystemTest, FileSizeIsMinusOneWhenMissing)
{
	MakeTree();
	EXPECT_EQ(Manager.FileSize(TEXT("X:/Tree/Other/d.txt")), 4);
	EXPECT_EQ(Platform.FileSize(TEXT("X:\\Tree\\Sub\\b.txt")), 2);
	EXPECT_EQ(Manager.FileSize(TEXT("X:/Tree/missing.txt")), -1);
	EXPECT_EQ(Platform.FileSize(TEXT("X:/Tree/missing.txt")), -1);
	EXPECT_EQ(Manager.FileSize(TEXT("X:/Tree/Sub")), -1) << "a folder has no file size";
	EXPECT_TRUE(Manager.FileExists(TEXT("X:/Tree/a.txt")));
	EXPECT_FALSE(Manager.FileExists(TEXT("X:/Tree/Sub")));
	EXPECT_FALSE(Manager.DirectoryExists(TEXT("X:/Tree/a.txt")));
}

TEST_F(FileSystemTest, MakeDirectoryBuildsATreeOnlyWhenAsked)
{
	EXPECT_FALSE(Manager.MakeDirectory(TEXT("X:/New/Deep/Folder")));
	EXPECT_FALSE(Manager.DirectoryExists(TEXT("X:/New")));
	EXPECT_TRUE(Manager.MakeDirectory(TEXT("X:/New/Deep/Folder"), true));
	EXPECT_TRUE(std::filesystem::is_directory(Scratch.Drive('x') / "New" / "Deep" / "Folder"));
	EXPECT_TRUE(Manager.MakeDirectory(TEXT("X:/New/Deep/Folder"))) << "an existing folder is success";
	EXPECT_TRUE(Manager.MakeDirectory(TEXT("X:\\New\\Sibling")));
	EXPECT_TRUE(Platform.CreateDirectoryTree(TEXT("X:/Platform/Made/Tree")));
	EXPECT_TRUE(Platform.DirectoryExists(TEXT("X:/Platform/Made/Tree")));

	WriteFile(Scratch.Drive('x') / "Blocker", "a file");
	EXPECT_FALSE(Manager.MakeDirectory(TEXT("X:/Blocker"), true)) << "a file in the way";
	EXPECT_FALSE(Manager.MakeDirectory(TEXT("X:/Blocker/Below"), true));
}

TEST_F(FileSystemTest, DeleteOfAMissingFileSucceedsUnlessItMustExist)
{
	WriteFile(Scratch.Drive('x') / "Del" / "f.txt", "x");
	EXPECT_TRUE(Manager.Delete(TEXT("X:/Del/f.txt")));
	EXPECT_FALSE(std::filesystem::exists(Scratch.Drive('x') / "Del" / "f.txt"));
	EXPECT_TRUE(Manager.Delete(TEXT("X:/Del/f.txt")));
	EXPECT_TRUE(Manager.Delete(TEXT("X:/NoFolder/f.txt")));
	EXPECT_FALSE(Manager.Delete(TEXT("X:/Del/f.txt"), true));
	EXPECT_TRUE(std::filesystem::is_directory(Scratch.Drive('x') / "Del")) << "Delete removes files, not folders";
}

TEST_F(FileSystemTest, CreateFileWriterMakesMissingParentFolders)
{
	std::unique_ptr<FArchive> Writer(Manager.CreateFileWriter(TEXT("X:\\Fresh\\Nested\\Deeper\\data.bin")));
	ASSERT_NE(Writer, nullptr);
	char Bytes[] = {'p', 'a', 'k', '\0', '\x7'};
	Writer->Serialize(Bytes, sizeof(Bytes));
	EXPECT_FALSE(Writer->IsError());
	Writer.reset();
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "Fresh" / "Nested" / "Deeper" / "data.bin"), std::string(Bytes, sizeof(Bytes)));

	// Over an existing file: replaced, unless told not to.
	Writer.reset(Manager.CreateFileWriter(TEXT("X:/Fresh/Nested/Deeper/data.bin")));
	ASSERT_NE(Writer, nullptr);
	Writer.reset();
	EXPECT_EQ(Manager.FileSize(TEXT("X:/Fresh/Nested/Deeper/data.bin")), 0);
	WriteFile(Scratch.Drive('x') / "Keep.txt", "kept");
	EXPECT_EQ(Manager.CreateFileWriter(TEXT("X:/Keep.txt"), FILEWRITE_NoReplaceExisting), nullptr);
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "Keep.txt"), "kept");

	// A folder where the file should be: no writer.
	std::filesystem::create_directories(Scratch.Drive('x') / "IsAFolder");
	EXPECT_EQ(Manager.CreateFileWriter(TEXT("X:/IsAFolder")), nullptr);
}

TEST_F(FileSystemTest, DiskFullFaultRefusesWritesAndLeavesTheOldFileAlone)
{
	const std::filesystem::path Full = Scratch.Drive('x') / "Full";
	WriteFile(Full / "Saved" / "existing.txt", "original bytes");
	CoreTest::FScopedEnv Fault("LEVELWRIGHT_FAULT_DISK_FULL", Full.string());

	EXPECT_FALSE(FFileHelper::SaveStringToFile(TEXT("new text"), TEXT("X:/Full/Saved/existing.txt")));
	EXPECT_EQ(ReadFile(Full / "Saved" / "existing.txt"), "original bytes");
	EXPECT_FALSE(FFileHelper::SaveStringToFile(TEXT("Caf\u00e9"), TEXT("X:\\Full\\Saved\\existing.txt")));
	EXPECT_EQ(ReadFile(Full / "Saved" / "existing.txt"), "original bytes");
	EXPECT_FALSE(FFileHelper::SaveStringToFile(FString(), TEXT("X:/Full/Saved/existing.txt"))) << "not even truncated";
	EXPECT_EQ(ReadFile(Full / "Saved" / "existing.txt"), "original bytes");

	EXPECT_FALSE(FFileHelper::SaveStringToFile(TEXT("x"), TEXT("X:/Full/New/file.txt")));
	EXPECT_FALSE(std::filesystem::exists(Full / "New"));
	EXPECT_EQ(IFileManager::Get().CreateFileWriter(TEXT("X:/Full/other.bin")), nullptr);
	EXPECT_FALSE(IFileManager::Get().MakeDirectory(TEXT("X:/Full/Dir"), true));
	TArray<uint8> Bytes;
	Bytes.Add(1);
	EXPECT_FALSE(FFileHelper::SaveArrayToFile(Bytes, TEXT("X:/Full/array.bin")));

	// Reading still works, and so does writing outside the full folder (even beside it).
	FString Text;
	EXPECT_TRUE(FFileHelper::LoadFileToString(Text, TEXT("X:/Full/Saved/existing.txt")));
	EXPECT_EQ(Utf8(Text), "original bytes");
	EXPECT_TRUE(FFileHelper::SaveStringToFile(TEXT("ok"), TEXT("X:/Fuller/file.txt")));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "Fuller" / "file.txt"), "ok");
}

TEST_F(FileSystemTest, DiskFullFaultIsOffWhenTheVariableIsEmpty)
{
	CoreTest::FScopedEnv Fault("LEVELWRIGHT_FAULT_DISK_FULL", std::string());
	EXPECT_TRUE(FFileHelper::SaveStringToFile(TEXT("fine"), TEXT("X:/Anywhere/f.txt")));
	EXPECT_EQ(ReadFile(Scratch.Drive('x') / "Anywhere" / "f.txt"), "fine");
}
