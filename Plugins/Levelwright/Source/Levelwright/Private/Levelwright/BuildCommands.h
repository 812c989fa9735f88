// The exact texts the build pipeline hands to the engine's tools and writes to disk: command lines,
// pak list lines, the cook marker and the deploy metadata. They take every input as
// an argument and read no engine state, so each text can be checked on its own.
#pragma once

#include "CoreMinimal.h"

namespace LevelwrightBuild
{
// Cook platforms, and the Android pak size a Quarn mod may not exceed.
extern const TCHAR* const WindowsCookPlatform;
extern const TCHAR* const AndroidCookPlatform;
extern const TCHAR* const LinuxServerCookPlatform;
constexpr int64 MaxAndroidPakSize = 100000000;

// The Workshop content folder's metadata.json: a fixed text, whatever the definition holds.
extern const TCHAR* const WorkshopMetadataText;

// A tool of the engine: <EngineDir>/Binaries/Win64/<ExecutableName>. The process launcher quotes it.
FString MakeToolPath(const FString& EngineDir, const TCHAR* ExecutableName);

// "WindowsNoEditor" for the PC client, "Android_ASTC" otherwise; the cook always adds LinuxServer.
FString GetCookPlatform(bool bPCBuild);
// The cook commandlet's parameters (the executable is not part of them). An iterative cook keeps the
// cooked packages whose sources have not changed since the last cook.
FString MakeCookParams(const FString& ProjectFilePath, const FString& CookPlatform, const FString& MapPackageName, bool bIterative = false);

// The platform UnrealPak is told for a cook platform: "Windows", "Android_ASTC", or "Linux" for the rest.
FString GetPakPlatform(const FString& CookPlatform);
FString MakePakParams(const FString& PakPath, const FString& PakListPath, const FString& PakPlatform);
// Appends one line of the pak list: the cooked file and its path inside the game, CRLF-terminated. It
// appends in place because a list grows by one line per cooked file, many thousands of them.
void AppendPakListLine(FString& PakList, const TCHAR* SourcePath, const FString& MountPoint, const FString& RelativePath);

// "Build:0" before a PC cook, "Build:1" before an Android cook.
FString MakeCookMarkerText(bool bPCBuild);

// What a Quarn mod's metadata.json records. Pak sizes are 64-bit so large paks keep their true size.
struct FDeployMetadata
{
	FString Id;
	int32 Version = 0;
	FString MapLabel;
	bool bIsCustomGameMode = false;
	FString CustomGameModeLabel;
	int64 AndroidPakSize = 0;
	int64 WindowsPakSize = 0;
	int64 LinuxServerPakSize = 0;
	int64 QuarnLinuxServerPakSize = 0;
};

// The engine's pretty Json text of the nine keys, in their fixed order. False when the writer fails.
bool SerializeDeployMetadata(const FDeployMetadata& Metadata, FString& OutText);
} // namespace LevelwrightBuild
