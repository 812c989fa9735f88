// FPaths: the engine's path helpers. Project and engine folders are relative to the binaries folder
// (FPlatformProcess::BaseDir()), as in the engine; ConvertRelativePathToFull makes them absolute.
#pragma once

#include <utility>

#include "Containers/UnrealString.h"

class FPaths
{
public:
	static FString EngineDir();
	static FString ProjectDir();
	static FString ProjectContentDir();
	static FString ProjectConfigDir();
	static FString ProjectSavedDir();
	static FString ProjectIntermediateDir();
	static FString ProjectPluginsDir();
	static FString ProjectLogDir();
	static FString GetProjectFilePath();
	static FString LaunchDir();

	static bool FileExists(const FString& InPath);
	static bool DirectoryExists(const FString& InPath);

	static FString ConvertRelativePathToFull(const FString& InPath);
	static FString ConvertRelativePathToFull(const FString& BasePath, const FString& InPath);
	static bool IsRelative(const FString& InPath);
	static void NormalizeFilename(FString& InPath);
	static void NormalizeDirectoryName(FString& InPath);
	static bool CollapseRelativeDirectories(FString& InPath);
	static bool MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo);

	static FString GetCleanFilename(const FString& InPath);
	static FString GetBaseFilename(const FString& InPath, bool bRemovePath = true);
	static FString GetExtension(const FString& InPath, bool bIncludeDot = false);
	static FString GetPath(const FString& InPath);
	static FString ChangeExtension(const FString& InPath, const FString& InNewExtension);
	static FString MakeValidFileName(const FString& InString, const TCHAR InReplacementChar = 0);

	template <typename... PathTypes>
	static FString Combine(PathTypes&&... InPaths)
	{
		const TCHAR* Paths[] = {ToTCHAR(std::forward<PathTypes>(InPaths))...};
		return CombineInternal(Paths, sizeof...(InPaths));
	}

protected:
	static FString CombineInternal(const TCHAR** Paths, int32 NumPaths);

private:
	static const TCHAR* ToTCHAR(const FString& Path) { return *Path; }
	static const TCHAR* ToTCHAR(const TCHAR* Path) { return Path; }
};
