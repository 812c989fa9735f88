// FPaths: joining, making paths full and relative, taking them apart, file-name cleaning, and the
// engine and project folders reported relative to the binaries folder.
#include "CoreTestSupport.h"
#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"
#include "Standin/Engine.h"

using CoreTest::Utf8;

namespace
{
std::string RelativeTo(const TCHAR* Path, const TCHAR* Base)
{
	FString Result(Path);
	if (!FPaths::MakePathRelativeTo(Result, Base))
	{
		return "<false>";
	}
	return Utf8(Result);
}
} // namespace

TEST(PathsCombine, JoinsLikeRepeatedSlashAssignment)
{
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT("a/"), TEXT("b/"))), "a/b/");
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT("x"), TEXT(""))), "x/");
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT(""), TEXT("x"))), "x");
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT("a"), TEXT("b"), TEXT("c.txt"))), "a/b/c.txt");
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT("a/"), TEXT("/b"))), "a//b") << "no normalisation";
	EXPECT_EQ(Utf8(FPaths::Combine(TEXT("../../.."), TEXT(".."), TEXT("x"))), "../../../../x") << "no collapsing";
	const FString Root(TEXT("D:\\Games"));
	EXPECT_EQ(Utf8(FPaths::Combine(Root, TEXT("Drovik"), FString(TEXT("Content")))), "D:\\Games/Drovik/Content");
}

TEST(PathsFull, ConvertRelativePathToFullJoinsNormalisesAndCollapses)
{
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/base/dir/"), TEXT("../x/./y/"))), "/base/x/y/");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/base/dir"), TEXT("file.txt"))), "/base/dir/file.txt");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/base/dir/"), TEXT("./a/b/../c"))), "/base/dir/a/c");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/base/"), TEXT("sub\\folder\\"))), "/base/sub/folder/");
	// An absolute path ignores the base but is still normalised and collapsed.
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/ignored/"), TEXT("C:\\a\\..\\b\\c.txt"))), "C:/b/c.txt");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/ignored/"), TEXT("/a/./b/../../c/"))), "/c/");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/ignored/"), TEXT("D:/Steam/steamapps/../"))), "D:/Steam/");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(TEXT("/a/b/c/"), TEXT("../../../x"))), "/x");
}

TEST(PathsFull, IsRelativeKnowsRootsAndDriveLetters)
{
	EXPECT_TRUE(FPaths::IsRelative(TEXT("a/b")));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("./a")));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("../../../Engine/")));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("/usr/bin")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("\\\\server\\share")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("\\Windows")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("C:/Program Files (x86)")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("d:\\SteamLibrary")));
	EXPECT_FALSE(FPaths::IsRelative(TEXT("Z:")));
	EXPECT_TRUE(FPaths::IsRelative(TEXT("1:/x"))) << "only a letter makes a drive";
	EXPECT_TRUE(FPaths::IsRelative(TEXT("ab:/x")));
}

TEST(PathsParts, FileNamesExtensionsAndFolders)
{
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("a/b.c.d"))), "b.c");
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("a\\Arena.umap"))), "Arena");
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("noext"))), "noext");
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("a/b.c.d"), false)), "a/b.c");
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("dir.v2/file"), false)), "dir.v2/file") << "a dot in a folder is no extension";
	EXPECT_EQ(Utf8(FPaths::GetBaseFilename(TEXT("dir.v2/file"))), "file");

	EXPECT_EQ(Utf8(FPaths::GetCleanFilename(TEXT("a/b/c.txt"))), "c.txt");
	EXPECT_EQ(Utf8(FPaths::GetCleanFilename(TEXT("C:\\a\\b.pak"))), "b.pak");
	EXPECT_EQ(Utf8(FPaths::GetCleanFilename(TEXT("a/b\\mixed.txt"))), "mixed.txt");
	EXPECT_EQ(Utf8(FPaths::GetCleanFilename(TEXT("a/b/"))), "");
	EXPECT_EQ(Utf8(FPaths::GetCleanFilename(TEXT("plain"))), "plain");

	EXPECT_EQ(Utf8(FPaths::GetExtension(TEXT("a/b.tar.gz"))), "gz");
	EXPECT_EQ(Utf8(FPaths::GetExtension(TEXT("a/b.tar.gz"), true)), ".gz");
	EXPECT_EQ(Utf8(FPaths::GetExtension(TEXT("dir.v2/file"))), "");
	EXPECT_EQ(Utf8(FPaths::GetExtension(TEXT("dir.v2/file"), true)), "");
	EXPECT_EQ(Utf8(FPaths::GetExtension(TEXT("Drovik.uproject"))), "uproject");

	EXPECT_EQ(Utf8(FPaths::GetPath(TEXT("a/b/c.txt"))), "a/b");
	EXPECT_EQ(Utf8(FPaths::GetPath(TEXT("C:\\a\\b.pak"))), "C:\\a");
	EXPECT_EQ(Utf8(FPaths::GetPath(TEXT("a/b/"))), "a/b");
	EXPECT_EQ(Utf8(FPaths::GetPath(TEXT("c.txt"))), "");
}

TEST(PathsRelative, MakePathRelativeToTakesTheFolderOfItsBase)
{
	EXPECT_EQ(RelativeTo(TEXT("/p/Content/Maps/A.umap"), TEXT("/p/Saved/")), "../Content/Maps/A.umap");
	// Without a trailing slash the base names a file: its folder counts.
	EXPECT_EQ(RelativeTo(TEXT("/p/Content/Maps/A.umap"), TEXT("/p/Saved")), "Content/Maps/A.umap");
	EXPECT_EQ(RelativeTo(TEXT("/p/Content/Maps/A.umap"), TEXT("/p/Drovik.uproject")), "Content/Maps/A.umap");
	EXPECT_EQ(RelativeTo(TEXT("/p/a/b/"), TEXT("/p/")), "a/b") << "no trailing slash";
	EXPECT_EQ(RelativeTo(TEXT("/p/x"), TEXT("/q/r/s/")), "../../../p/x");
	EXPECT_EQ(RelativeTo(TEXT("/P/content/x.uasset"), TEXT("/p/Content/")), "x.uasset") << "components compare ignoring case";
	EXPECT_EQ(RelativeTo(TEXT("C:\\Games\\Drovik\\Paks\\a.pak"), TEXT("C:/Games/Other/")), "../Drovik/Paks/a.pak");
	EXPECT_EQ(RelativeTo(TEXT("/p/Saved/../Content/A"), TEXT("/p/./Saved/")), "../Content/A");
	EXPECT_EQ(RelativeTo(TEXT("D:/Games/a"), TEXT("C:/Games/")), "<false>") << "no relative path between drives";
}

TEST(PathsValidName, MakeValidFileNameRemovesExactlyFourteenCharacters)
{
	const FString Invalid(TEXT("/?:&\\*\"<>|%#@^"));
	ASSERT_EQ(Invalid.Len(), 14);
	EXPECT_EQ(Utf8(FPaths::MakeValidFileName(TEXT("My/Map?: v1&2\\*\"<>|%#@^.umap"))), "MyMap v12.umap");
	EXPECT_EQ(Utf8(FPaths::MakeValidFileName(Invalid, TEXT('_'))), std::string(14, '_'));
	EXPECT_EQ(Utf8(FPaths::MakeValidFileName(TEXT("a:b"), TEXT('-'))), "a-b");

	// Everything else stays: blanks, dots, other punctuation, control characters, non-ASCII.
	const FString Kept(TEXT(" .!$'(),;=[]{}~`+-_\t\u00e9\u65e5"));
	EXPECT_EQ(Utf8(FPaths::MakeValidFileName(Kept)), Utf8(Kept));
	EXPECT_EQ(Utf8(FPaths::MakeValidFileName(FString())), "");
}

TEST(PathsFolders, EngineAndProjectFoldersAreRelativeToTheBinariesFolder)
{
	CoreTest::FScratch Scratch;
	const std::filesystem::path Binaries = Scratch.Path() / "Engine" / "Binaries" / "Win64";
	const std::filesystem::path Project = Scratch.Path() / "Projects" / "Drovik" / "Drovik.uproject";
	std::filesystem::create_directories(Binaries);
	CoreTest::WriteFile(Project, "{}");
	Standin::Engine::Initialize({Binaries, Project, false, ""});

	const std::string Root = Scratch.Path().generic_string();
	EXPECT_EQ(Utf8(FPlatformProcess::BaseDir()), Root + "/Engine/Binaries/Win64/");
	EXPECT_EQ(Utf8(FPaths::EngineDir()), "../../../Engine/");
	EXPECT_EQ(Utf8(FPaths::ProjectDir()), "../../../Projects/Drovik/");
	EXPECT_EQ(Utf8(FPaths::ProjectContentDir()), "../../../Projects/Drovik/Content/");
	EXPECT_EQ(Utf8(FPaths::ProjectSavedDir()), "../../../Projects/Drovik/Saved/");
	EXPECT_EQ(Utf8(FPaths::ProjectPluginsDir()), "../../../Projects/Drovik/Plugins/");

	// Made full against the binaries folder, they name the real folders.
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(FPaths::EngineDir())), Root + "/Engine/");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(FPaths::ProjectContentDir())), Root + "/Projects/Drovik/Content/");
	EXPECT_EQ(Utf8(FPaths::ConvertRelativePathToFull(FPaths::GetProjectFilePath())), Root + "/Projects/Drovik/Drovik.uproject");

	// The editor works in its binaries folder, so the relative forms reach the files from there.
	const std::filesystem::path Previous = std::filesystem::current_path();
	std::filesystem::current_path(Binaries);
	EXPECT_TRUE(FPaths::FileExists(FPaths::GetProjectFilePath()));
	EXPECT_TRUE(FPaths::DirectoryExists(FPaths::EngineDir() / TEXT("Binaries")));
	std::filesystem::current_path(Previous);
}
