#include "Levelwright/GameInstallLocator.h"

#include "Common/CustomMapNames.h"
#include "Common/LevelwrightLog.h"
#include "Containers/StringConv.h"
#include "Internationalization/Regex.h"
#include "Levelwright/LevelwrightModule.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

THIRD_PARTY_INCLUDES_START
#include "steam/steam_api.h"
THIRD_PARTY_INCLUDES_END

#include "Windows/AllowWindowsPlatformTypes.h"
#include "Windows/WindowsHWrapper.h"
#include "Windows/HideWindowsPlatformTypes.h"

namespace
{
const TCHAR* SteamRegistryKey = TEXT("SOFTWARE\\Wow6432Node\\Valve\\Steam");
const TCHAR* SteamRegistryValue = TEXT("InstallPath");

// One drive letter, a colon, a doubled backslash, then characters up to the next backslash or quote:
// the start of each library path as libraryfolders.vdf writes it.
const TCHAR* LibraryFolderPattern = TEXT(R"([a-zA-Z]:\\\\(?![<>:"/\\|?*])((?![<>:"/\\|?*]).)+)");

// The game's folder inside one Steam library, or empty.
FString FindGameInLibrary(const FString& Library)
{
	for (const TCHAR* GameFolderName : {TEXT("DrovikVR"), TEXT("Drovik")})
	{
		const FString Candidate = FPaths::Combine(Library, TEXT("steamapps"), TEXT("common"), GameFolderName);
		if (FPaths::FileExists(FPaths::Combine(Candidate, TEXT("Drovik.exe"))))
		{
			return Candidate;
		}
	}
	return FString();
}

void ReportNoLibraryFolders()
{
	// Inside the cook of an Android build the missing library is expected: say it as a warning there.
	FString Marker;
	const bool bAndroidCook = FFileHelper::LoadFileToString(Marker, *FPaths::Combine(FPaths::ProjectSavedDir(), CustomMapNames::CookMarkerFileName)) &&
							  ReadCookMarkerBuild(Marker) == 1;
	if (bAndroidCook)
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("No steam library folders found!"));
	}
	else
	{
		UE_LOG(LevelwrightLog, Error, TEXT("No steam library folders found!"));
	}
}
} // namespace

bool ReadRegistryString(const FString& SubKey, const FString& ValueName, FString& OutValue)
{
	HKEY Key = nullptr;
	if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, *SubKey, 0, KEY_READ, &Key) != ERROR_SUCCESS)
	{
		return false;
	}
	DWORD Type = 0;
	DWORD Size = 0;
	if (RegQueryValueExW(Key, *ValueName, nullptr, &Type, nullptr, &Size) != ERROR_SUCCESS || Type != REG_SZ)
	{
		RegCloseKey(Key);
		return false;
	}
	// One character more than the value needs: a value stored without its terminating zero still ends.
	TArray<TCHAR> Buffer;
	Buffer.SetNumZeroed(Size / sizeof(TCHAR) + 1);
	if (RegQueryValueExW(Key, *ValueName, nullptr, &Type, reinterpret_cast<LPBYTE>(Buffer.GetData()), &Size) != ERROR_SUCCESS)
	{
		RegCloseKey(Key);
		return false;
	}
	RegCloseKey(Key);
	OutValue = FString(Buffer.GetData());
	return true;
}

namespace
{
// The lines that hold a drive path ("X:\\"), each ended by a line feed. Only they can hold a match, and a
// match never crosses a line end ('.' stops there): the pattern then runs over a few lines instead of a
// library file of tens of thousands of app lines.
FString KeepLinesWithDrivePaths(const FString& Text)
{
	const TCHAR* Chars = *Text;
	const int32 Length = Text.Len();
	FString Kept;
	int32 LineStart = 0;
	bool bLineHasDrivePath = false;
	for (int32 Index = 0; Index <= Length; ++Index)
	{
		if (Index == Length || Chars[Index] == TEXT('\n'))
		{
			if (bLineHasDrivePath)
			{
				Kept += Text.Mid(LineStart, Index - LineStart);
				Kept += TEXT("\n");
			}
			LineStart = Index + 1;
			bLineHasDrivePath = false;
		}
		else if (Chars[Index] == TEXT(':') && Index + 2 < Length && Chars[Index + 1] == TEXT('\\') && Chars[Index + 2] == TEXT('\\'))
		{
			bLineHasDrivePath = true;
		}
	}
	return Kept;
}
} // namespace

TArray<FString> FindLibraryFolders(const FString& LibraryFileText)
{
	TArray<FString> Folders;
	const FRegexPattern Pattern(LibraryFolderPattern);
	FRegexMatcher Matcher(Pattern, KeepLinesWithDrivePaths(LibraryFileText));
	while (Matcher.FindNext())
	{
		Folders.Add(Matcher.GetCaptureGroup(0).Replace(TEXT("\\\\"), TEXT("/")));
	}
	return Folders;
}

int32 ReadCookMarkerBuild(const FString& MarkerText)
{
	return MarkerText.Len() > 6 ? FCString::Atoi(*MarkerText.RightChop(6)) : 0;
}

void FLevelwrightModule::LocateGameInstall()
{
	// Without its library there is no Steam to ask, and asking would end the editor.
	if (ISteamApps* Apps = SteamDllHandle ? SteamApps() : nullptr)
	{
		char Folder[2048] = {};
		const uint32 Written = Apps->GetAppInstallDir(SteamUtils()->GetAppID(), Folder, sizeof(Folder));
		// Steam answers in UTF-8: decode it, so a folder with non-ASCII characters stays reachable.
		GameInstallPath = (Written > 0 && Folder[0] != 0) ? FString(UTF8_TO_TCHAR(Folder)) : FString();
		GameInstallPath.ReplaceInline(TEXT("\\\\"), TEXT("/"));
		return;
	}

	FString SteamFolder;
	if (!ReadRegistryString(SteamRegistryKey, SteamRegistryValue, SteamFolder))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Couldn't find the steam installation folder"));
		return;
	}
	ensure(SteamFolder.IsEmpty() == false);

	FString LibraryFileText;
	if (!FFileHelper::LoadFileToString(LibraryFileText, *FPaths::Combine(SteamFolder, TEXT("steamapps"), TEXT("libraryfolders.vdf"))))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Couldn't read libraryfolder.vdf file!"));
		return;
	}

	TArray<FString> Libraries = FindLibraryFolders(LibraryFileText);
	if (Libraries.Num() == 0)
	{
		ReportNoLibraryFolders();
		return;
	}
	Libraries.Insert(SteamFolder, 0);
	for (const FString& Library : Libraries)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Looking for Drovik in %s "), *Library);
		GameInstallPath = FindGameInLibrary(Library);
		if (!GameInstallPath.IsEmpty())
		{
			UE_LOG(LevelwrightLog, Log, TEXT("Found Drovik at %s "), *GameInstallPath);
			return;
		}
	}
	UE_LOG(LevelwrightLog, Error, TEXT("Drovik installation not found! Stage wont work"));
}
