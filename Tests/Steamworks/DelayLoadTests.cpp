// steam_api64.dll is delay-loaded, as in the engine: until FPlatformProcess::GetDllHandle has loaded
// it from the engine's third-party folder, every Steam call ends the process. And the engine's DLL
// functions themselves: GetDllHandle's answers and log line, FreeDllHandle, the checked folder stack.
#include "HAL/PlatformProcess.h"
#include "Misc/Paths.h"
#include "Standin/Engine.h"
#include "Standin/Log.h"
#include "Standin/Machine.h"
#include "SteamStandin.h"
#include "TestFiles.h"
#include "steam/steam_api.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
const char* const DelayLoadFailure = "exception 0xC06D007E in %s: the delay-load of steam_api64.dll failed";

std::string DelayLoadFailureIn(const char* Function)
{
	char Text[256];
	std::snprintf(Text, sizeof(Text), DelayLoadFailure, Function);
	return Text;
}

// A private engine folder (the binaries folder is the working folder) whose third-party folder holds
// a link to the built steam_api64.dll, and a stand-in machine with the same engine on drive C:.
class SteamDllTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		fs::create_directories(Binaries);
		fs::create_directories(DllFolder);
		fs::create_symlink(LevelwrightTest::BuiltSteamDll(), DllFolder / "steam_api64.dll");
		Standin::Machine::SetRoot(Temp.Path() / "machine");
		Standin::Log::KeepLines(true);
		Standin::Engine::FSettings Settings;
		Settings.BinariesDir = Binaries;
		Standin::Engine::Initialize(Settings);
		PreviousWorkingFolder = fs::current_path();
		fs::current_path(Binaries);
	}

	void TearDown() override { fs::current_path(PreviousWorkingFolder); }

	// The folder as the plugin names it: relative to the binaries folder, with a trailing '/'.
	static FString EngineDllFolder() { return FPaths::EngineDir() + TEXT("Binaries/ThirdParty/Steamworks/Steamv139/Win64/"); }

	static void* LoadFromEngine() { return FPlatformProcess::GetDllHandle(*(EngineDllFolder() + TEXT("steam_api64.dll"))); }

	void ReplaceDll(const std::string& Bytes) const
	{
		fs::remove(DllFolder / "steam_api64.dll");
		LevelwrightTest::WriteFile(DllFolder / "steam_api64.dll", Bytes);
	}

	LevelwrightTest::FTempDir Temp;
	const fs::path Binaries = Temp.Path() / "Engine" / "Binaries" / "Win64";
	const fs::path DllFolder = (Temp.Path() / "Engine" / LevelwrightTest::SteamDllInEngine).parent_path();
	fs::path PreviousWorkingFolder;
};

using SteamDelayLoadDeathTest = SteamDllTest;
using DllDirectoryDeathTest = SteamDllTest;

// The check messages go to stdout; death tests read stderr.
void SendStdoutToStderr()
{
	std::fflush(stdout);
	::dup2(STDERR_FILENO, STDOUT_FILENO);
}

class FHolderOwner
{
public:
	void OnCreate(CreateItemResult_t*, bool) {}
};
} // namespace

TEST_F(SteamDelayLoadDeathTest, EverySteamCallBeforeTheDllIsLoadedEndsTheProcess)
{
	const std::vector<std::pair<const char*, std::function<void()>>> Calls = {
		{"SteamAPI_Init", [] { SteamAPI_Init(); }},
		{"SteamAPI_Shutdown", [] { SteamAPI_Shutdown(); }},
		{"SteamAPI_RunCallbacks", [] { SteamAPI_RunCallbacks(); }},
		{"SteamAPI_RegisterCallResult", [] { SteamAPI_RegisterCallResult(nullptr, 1); }},
		{"SteamAPI_UnregisterCallResult", [] { SteamAPI_UnregisterCallResult(nullptr, 1); }},
		{"SteamAPI_GetHSteamPipe", [] { SteamAPI_GetHSteamPipe(); }},
		{"SteamAPI_GetHSteamUser", [] { SteamAPI_GetHSteamUser(); }},
		{"SteamInternal_ContextInit", [] { SteamUGC(); }},
		{"SteamInternal_ContextInit", [] { SteamApps(); }},
		{"SteamInternal_CreateInterface", [] { SteamInternal_CreateInterface(STEAMCLIENT_INTERFACE_VERSION); }},
		{"SteamAPI_RegisterCallResult",
		 [] {
			 FHolderOwner Owner;
			 CCallResult<FHolderOwner, CreateItemResult_t> Holder;
			 Holder.Set(1, &Owner, &FHolderOwner::OnCreate);
		 }},
	};
	for (const auto& [Function, Call] : Calls)
	{
		EXPECT_DEATH(Call(), DelayLoadFailureIn(Function)) << Function;
	}
}

TEST_F(SteamDelayLoadDeathTest, StandinQueriesAnswerNothingWithoutTheDll)
{
	EXPECT_FALSE(SteamStandin_HasPendingResults());
	EXPECT_TRUE(SteamStandin_ApiCalls().empty());
	SteamStandin_ClearApiCalls();
	// Still not loaded: the queries load nothing.
	EXPECT_DEATH(SteamAPI_RunCallbacks(), DelayLoadFailureIn("SteamAPI_RunCallbacks"));
}

TEST_F(SteamDelayLoadDeathTest, MissingDllGivesNullAndTheEnginesLogLine)
{
	fs::remove(DllFolder / "steam_api64.dll");
	EXPECT_EQ(LoadFromEngine(), nullptr);
	EXPECT_TRUE(Standin::Log::Contains(
		"LogWindows: Failed to load '../../../Engine/Binaries/ThirdParty/Steamworks/Steamv139/Win64/steam_api64.dll' (GetLastError=126)"));
	EXPECT_DEATH(SteamAPI_Init(), DelayLoadFailureIn("SteamAPI_Init"));
}

TEST_F(SteamDelayLoadDeathTest, FileThatIsNoLibraryGivesNull)
{
	ReplaceDll("MZ this is not a library of this platform");
	EXPECT_EQ(LoadFromEngine(), nullptr);
	EXPECT_TRUE(Standin::Log::Contains("steam_api64.dll' (GetLastError=193)"));
	EXPECT_DEATH(SteamAPI_Init(), DelayLoadFailureIn("SteamAPI_Init"));
}

TEST_F(SteamDllTest, LoadedFromTheEngineFolderEveryCallReachesIt)
{
	void* Handle = LoadFromEngine();
	ASSERT_NE(Handle, nullptr);
	EXPECT_EQ(SteamAPI_GetHSteamPipe(), 0);
	EXPECT_EQ(SteamUGC(), nullptr);
	EXPECT_FALSE(SteamAPI_Init()); // no steam_appid.txt in the working folder
	EXPECT_FALSE(SteamStandin_ApiCalls().empty());
	EXPECT_EQ(FPlatformProcess::GetDllHandle(*(EngineDllFolder() + TEXT("steam_api64.dll"))), Handle);
}

TEST_F(SteamDllTest, DrivePathsGoThroughTheMachine)
{
	const fs::path OnDriveC = Temp.Path() / "machine" / "drives" / "c" / "UE_4.21" / "Engine" / "Binaries" / "ThirdParty" / "Steamworks" /
							  "Steamv139" / "Win64";
	fs::create_directories(OnDriveC);
	fs::create_symlink(LevelwrightTest::BuiltSteamDll(), OnDriveC / "steam_api64.dll");
	void* Handle = FPlatformProcess::GetDllHandle(TEXT("C:\\UE_4.21\\Engine\\Binaries\\ThirdParty\\Steamworks\\Steamv139\\Win64\\steam_api64.dll"));
	ASSERT_NE(Handle, nullptr);
	// The same file by another path is the same module.
	EXPECT_EQ(LoadFromEngine(), Handle);
	EXPECT_EQ(SteamAPI_GetHSteamUser(), 0);
	EXPECT_EQ(FPlatformProcess::GetDllHandle(TEXT("D:\\Engine\\steam_api64.dll")), nullptr);
}

TEST_F(SteamDllTest, BareNameIsLookedForInThePushedFolderThenTheBinariesFolder)
{
	LevelwrightTest::WriteFile(Binaries / "Other.dll", "not a library");
	fs::create_symlink(LevelwrightTest::BuiltSteamDll(), DllFolder / "Other.dll");
	// Nothing pushed: the binaries folder's file is found, and refused.
	EXPECT_EQ(FPlatformProcess::GetDllHandle(TEXT("Other.dll")), nullptr);
	EXPECT_TRUE(Standin::Log::Contains("LogWindows: Failed to load 'Other.dll' (GetLastError=193)"));
	EXPECT_EQ(FPlatformProcess::GetDllHandle(TEXT("Missing.dll")), nullptr);
	EXPECT_TRUE(Standin::Log::Contains("LogWindows: Failed to load 'Missing.dll' (GetLastError=126)"));

	FPlatformProcess::PushDllDirectory(*EngineDllFolder());
	void* Handle = FPlatformProcess::GetDllHandle(TEXT("Other.dll"));
	FPlatformProcess::PopDllDirectory(*EngineDllFolder());
	ASSERT_NE(Handle, nullptr);
	EXPECT_EQ(SteamAPI_GetHSteamPipe(), 0);
	// Once loaded, the library's own name alone finds it, pushed folder or not.
	EXPECT_EQ(FPlatformProcess::GetDllHandle(TEXT("steam_api64.dll")), Handle);
}

TEST_F(SteamDllTest, EachHandleIsFreedOnItsOwn)
{
	FPlatformProcess::FreeDllHandle(nullptr);
	void* First = LoadFromEngine();
	void* Second = LoadFromEngine();
	ASSERT_NE(First, nullptr);
	FPlatformProcess::FreeDllHandle(First);
	// The second handle still holds the library.
	EXPECT_EQ(SteamAPI_GetHSteamPipe(), 0);
	FPlatformProcess::FreeDllHandle(Second);
}

TEST_F(DllDirectoryDeathTest, PopsMustNameTheFolderPushedLast)
{
	FPlatformProcess::PushDllDirectory(TEXT("C:/Outer/"));
	FPlatformProcess::PushDllDirectory(TEXT("C:/Inner/"));
	EXPECT_DEATH(
		{
			SendStdoutToStderr();
			FPlatformProcess::PopDllDirectory(TEXT("C:/Outer/"));
		},
		"There was a PushDllDirectory/PopDllDirectory mismatch \\(Popped C:/Inner/, which didn't match C:/Outer/\\)");
	// Names are compared as the engine compares FStrings: ignoring case.
	FPlatformProcess::PopDllDirectory(TEXT("c:/inner/"));
	FPlatformProcess::PopDllDirectory(TEXT("C:/Outer/"));
	EXPECT_DEATH(
		{
			SendStdoutToStderr();
			FPlatformProcess::PopDllDirectory(TEXT("C:/Outer/"));
		},
		"Tried to PopDllDirectory too many times(.|\n)*Array index out of bounds: -1 from an array of size 0");
}
