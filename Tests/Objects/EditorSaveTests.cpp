// UEditorLoadingAndSavingUtils::SavePackages: the editor saving the packages it is given, each to its
// file, with the engine's thread rule.
#include <cstdio>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#include "FileHelpers.h"
#include "ObjectTestSupport.h"
#include "Standin/Log.h"
#include "ScratchProject.h"

namespace
{
void SendStdoutToStderr()
{
	std::fflush(stdout);
	::dup2(STDERR_FILENO, STDOUT_FILENO);
}

UDrovik_Map* MakeDefinition(const TCHAR* PackageName)
{
	UDrovik_Map* Definition = NewObject<UDrovik_Map>(CreatePackage(nullptr, PackageName), FName(TEXT("definition")), RF_Public | RF_Standalone);
	Definition->MarkPackageDirty();
	return Definition;
}

TArray<UPackage*> PackagesOf(std::initializer_list<UObject*> Objects)
{
	TArray<UPackage*> Packages;
	for (UObject* Object : Objects)
	{
		Packages.Add(Object->GetOutermost());
	}
	return Packages;
}
} // namespace

TEST(EditorSave, WritesTheGivenPackagesAndOnlyThose)
{
	FScratchProject Project;
	UDrovik_Map* Saved = MakeDefinition(TEXT("/Game/CustomMaps/UGC1/definition"));
	MakeDefinition(TEXT("/Game/CustomMaps/UGC2/definition"));

	EXPECT_TRUE(UEditorLoadingAndSavingUtils::SavePackages(PackagesOf({Saved}), false));

	EXPECT_TRUE(std::filesystem::is_regular_file(Project.Content("CustomMaps/UGC1/definition.uasset")));
	EXPECT_FALSE(Saved->GetOutermost()->IsDirty());
	EXPECT_FALSE(std::filesystem::exists(Project.Content("CustomMaps/UGC2"))) << "a package not given stays unsaved";
	EXPECT_EQ(Standin::Packages::GetDirtyPackageNames(), std::vector<FString>{FString(TEXT("/Game/CustomMaps/UGC2/definition"))});
}

TEST(EditorSave, OnlyDirtySkipsPackagesWithoutChanges)
{
	FScratchProject Project;
	UDrovik_Map* Definition = MakeDefinition(TEXT("/Game/CustomMaps/UGC3/definition"));
	ASSERT_TRUE(UEditorLoadingAndSavingUtils::SavePackages(PackagesOf({Definition}), false));
	const std::filesystem::path File = Project.Content("CustomMaps/UGC3/definition.uasset");
	Project.WriteContent("CustomMaps/UGC3/definition.uasset", "changed outside the editor");

	EXPECT_TRUE(UEditorLoadingAndSavingUtils::SavePackages(PackagesOf({Definition}), true));
	EXPECT_EQ(ReadFile(File), "changed outside the editor");

	EXPECT_TRUE(UEditorLoadingAndSavingUtils::SavePackages(PackagesOf({Definition}), false));
	EXPECT_NE(ReadFile(File).find("\"Class\": \"Drovik_Map\""), std::string::npos) << "saved although it was clean";
}

TEST(EditorSave, APackageThatCannotBeWrittenIsAnErrorAndTheOthersAreSaved)
{
	Standin::Log::KeepLines(true);
	FScratchProject Project;
	// A file where the package's folder must go.
	Project.WriteContent("CustomMaps/UGC4", "in the way");
	UDrovik_Map* Blocked = MakeDefinition(TEXT("/Game/CustomMaps/UGC4/definition"));
	UDrovik_Map* Fine = MakeDefinition(TEXT("/Game/CustomMaps/UGC5/definition"));

	EXPECT_FALSE(UEditorLoadingAndSavingUtils::SavePackages(PackagesOf({Blocked, Fine}), false));

	EXPECT_TRUE(Blocked->GetOutermost()->IsDirty());
	EXPECT_TRUE(Standin::Log::Contains("LogFileHelpers: Error: cannot save /Game/CustomMaps/UGC4/definition: "));
	EXPECT_TRUE(std::filesystem::is_regular_file(Project.Content("CustomMaps/UGC5/definition.uasset")));
	EXPECT_FALSE(Fine->GetOutermost()->IsDirty());
}

TEST(EditorSave, SavingOffTheGameThreadIsFatal)
{
	FScratchProject Project;
	UDrovik_Map* Definition = MakeDefinition(TEXT("/Game/CustomMaps/UGC6/definition"));
	const TArray<UPackage*> Packages = PackagesOf({Definition});
	EXPECT_DEATH(
		{
			SendStdoutToStderr();
			std::thread([&Packages] { UEditorLoadingAndSavingUtils::SavePackages(Packages, false); }).join();
		},
		"Assertion failed: IsInGameThread\\(\\)");
	EXPECT_FALSE(std::filesystem::exists(Project.Content("CustomMaps/UGC6")));
}
