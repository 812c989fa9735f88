#include "Misc/Paths.h"

#include "HAL/FileManager.h"
#include "HAL/PlatformProcess.h"
#include "Standin/Engine.h"
#include "Standin/Machine.h"

namespace
{
// A folder relative to the binaries folder, with a trailing '/', as the engine reports its folders.
FString RelativeToBaseDir(const std::filesystem::path& Folder)
{
	const std::filesystem::path Base = Standin::Engine::GetSettings().BinariesDir;
	std::string Relative = Folder.lexically_relative(Base).generic_string();
	if (Relative.empty())
	{
		Relative = Folder.generic_string();
	}
	if (Relative.back() != '/')
	{
		Relative += '/';
	}
	return FString(Standin::Machine::ToUtf16(Relative));
}

std::filesystem::path ProjectFolder()
{
	return Standin::Engine::GetSettings().ProjectFile.parent_path();
}

bool IsSlash(TCHAR C)
{
	return C == u'/' || C == u'\\';
}

int32 LastSlash(const FString& Path)
{
	for (int32 I = Path.Len() - 1; I >= 0; --I)
	{
		if (IsSlash(Path[I]))
		{
			return I;
		}
	}
	return INDEX_NONE;
}
} // namespace

FString FPaths::EngineDir()
{
	const std::filesystem::path Binaries = Standin::Engine::GetSettings().BinariesDir;
	const std::filesystem::path EngineRoot = Binaries.parent_path().parent_path();
	std::string Relative = EngineRoot.parent_path().lexically_relative(Binaries).generic_string();
	return FString(Standin::Machine::ToUtf16(Relative + "/" + EngineRoot.filename().string() + "/"));
}

FString FPaths::ProjectDir()
{
	return ProjectFolder().empty() ? FString() : RelativeToBaseDir(ProjectFolder());
}

FString FPaths::ProjectContentDir()
{
	return ProjectDir() + TEXT("Content/");
}

FString FPaths::ProjectConfigDir()
{
	return ProjectDir() + TEXT("Config/");
}

FString FPaths::ProjectSavedDir()
{
	return ProjectDir() + TEXT("Saved/");
}

FString FPaths::ProjectIntermediateDir()
{
	return ProjectDir() + TEXT("Intermediate/");
}

FString FPaths::ProjectPluginsDir()
{
	return ProjectDir() + TEXT("Plugins/");
}

FString FPaths::ProjectLogDir()
{
	return ProjectSavedDir() + TEXT("Logs/");
}

FString FPaths::GetProjectFilePath()
{
	const std::filesystem::path Project = Standin::Engine::GetSettings().ProjectFile;
	if (Project.empty())
	{
		return FString();
	}
	return RelativeToBaseDir(Project.parent_path()) + FString(Standin::Machine::ToUtf16(Project.filename().string()));
}

FString FPaths::LaunchDir()
{
	return FPlatformProcess::BaseDir();
}

bool FPaths::FileExists(const FString& InPath)
{
	return IFileManager::Get().FileExists(*InPath);
}

bool FPaths::DirectoryExists(const FString& InPath)
{
	return IFileManager::Get().DirectoryExists(*InPath);
}

bool FPaths::IsRelative(const FString& InPath)
{
	const bool bRooted = InPath.StartsWith(TEXT("\\")) || InPath.StartsWith(TEXT("/")) ||
						 (InPath.Len() >= 2 && FChar::IsAlpha(InPath[0]) && InPath[1] == u':');
	return !bRooted;
}

void FPaths::NormalizeFilename(FString& InPath)
{
	InPath.ReplaceInline(TEXT("\\"), TEXT("/"), ESearchCase::CaseSensitive);
}

void FPaths::NormalizeDirectoryName(FString& InPath)
{
	NormalizeFilename(InPath);
	if (InPath.EndsWith(TEXT("/")) && InPath.Len() > 1 && !InPath.EndsWith(TEXT(":/")))
	{
		InPath = InPath.LeftChop(1);
	}
}

bool FPaths::CollapseRelativeDirectories(FString& InPath)
{
	TArray<FString> Parts;
	InPath.ParseIntoArray(Parts, TEXT("/"), false);
	const bool bTrailingSlash = InPath.EndsWith(TEXT("/"));
	TArray<FString> Kept;
	bool bOk = true;
	for (int32 I = 0; I < Parts.Num(); ++I)
	{
		const FString& Part = Parts[I];
		const bool bLast = I == Parts.Num() - 1;
		if (Part.Equals(TEXT(".")) || (Part.IsEmpty() && I > 0 && !bLast))
		{
			continue;
		}
		if (Part.Equals(TEXT("..")))
		{
			if (Kept.Num() > 0 && !Kept.Last().Equals(TEXT("..")) && !Kept.Last().IsEmpty() && !Kept.Last().EndsWith(TEXT(":")))
			{
				Kept.Pop();
				continue;
			}
			bOk = false;
		}
		if (!(Part.IsEmpty() && bLast))
		{
			Kept.Add(Part);
		}
	}
	FString Result = FString::Join(Kept, TEXT("/"));
	if (bTrailingSlash && !Result.EndsWith(TEXT("/")))
	{
		Result += TEXT("/");
	}
	InPath = Result;
	return bOk;
}

FString FPaths::ConvertRelativePathToFull(const FString& InPath)
{
	return ConvertRelativePathToFull(FPlatformProcess::BaseDir(), InPath);
}

FString FPaths::ConvertRelativePathToFull(const FString& BasePath, const FString& InPath)
{
	FString Full = InPath;
	if (IsRelative(InPath))
	{
		Full = BasePath;
		Full /= InPath;
	}
	NormalizeFilename(Full);
	CollapseRelativeDirectories(Full);
	if (Full.IsEmpty())
	{
		Full = TEXT("/");
	}
	return Full;
}

bool FPaths::MakePathRelativeTo(FString& InPath, const TCHAR* InRelativeTo)
{
	const FString Target = ConvertRelativePathToFull(InPath);
	const FString Source = GetPath(ConvertRelativePathToFull(FString(InRelativeTo)));
	TArray<FString> TargetParts;
	TArray<FString> SourceParts;
	Target.ParseIntoArray(TargetParts, TEXT("/"), true);
	Source.ParseIntoArray(SourceParts, TEXT("/"), true);
	if (TargetParts.Num() && SourceParts.Num() && TargetParts[0].Len() > 1 && TargetParts[0][1] == u':' &&
		SourceParts[0].Len() > 1 && SourceParts[0][1] == u':' && FChar::ToUpper(TargetParts[0][0]) != FChar::ToUpper(SourceParts[0][0]))
	{
		return false;
	}
	int32 Common = 0;
	while (Common < TargetParts.Num() && Common < SourceParts.Num() && TargetParts[Common] == SourceParts[Common])
	{
		++Common;
	}
	FString Result;
	for (int32 I = Common; I < SourceParts.Num(); ++I)
	{
		Result += TEXT("../");
	}
	for (int32 I = Common; I < TargetParts.Num(); ++I)
	{
		Result += TargetParts[I];
		if (I + 1 < TargetParts.Num())
		{
			Result += TEXT("/");
		}
	}
	InPath = Result;
	return true;
}

FString FPaths::GetCleanFilename(const FString& InPath)
{
	return InPath.RightChop(LastSlash(InPath) + 1);
}

FString FPaths::GetBaseFilename(const FString& InPath, bool bRemovePath)
{
	FString Work = bRemovePath ? GetCleanFilename(InPath) : InPath;
	const int32 ExtPos = Work.Find(TEXT("."), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	if (ExtPos != INDEX_NONE)
	{
		const int32 LeafPos = bRemovePath ? INDEX_NONE : LastSlash(Work);
		if (LeafPos == INDEX_NONE || ExtPos > LeafPos)
		{
			Work = Work.Left(ExtPos);
		}
	}
	return Work;
}

FString FPaths::GetExtension(const FString& InPath, bool bIncludeDot)
{
	const FString Filename = GetCleanFilename(InPath);
	const int32 DotPos = Filename.Find(TEXT("."), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	return DotPos == INDEX_NONE ? FString() : Filename.Mid(DotPos + (bIncludeDot ? 0 : 1));
}

FString FPaths::GetPath(const FString& InPath)
{
	const int32 Slash = LastSlash(InPath);
	return Slash == INDEX_NONE ? FString() : InPath.Left(Slash);
}

FString FPaths::ChangeExtension(const FString& InPath, const FString& InNewExtension)
{
	const int32 DotPos = InPath.Find(TEXT("."), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	const int32 Slash = LastSlash(InPath);
	FString Result = (DotPos != INDEX_NONE && DotPos > Slash) ? InPath.Left(DotPos) : InPath;
	if (!InNewExtension.IsEmpty())
	{
		Result += InNewExtension.StartsWith(TEXT(".")) ? InNewExtension : FString(TEXT(".")) + InNewExtension;
	}
	return Result;
}

FString FPaths::MakeValidFileName(const FString& InString, const TCHAR InReplacementChar)
{
	static const FString InvalidCharacters(TEXT("/?:&\\*\"<>|%#@^"));
	FString Result;
	for (int32 I = 0; I < InString.Len(); ++I)
	{
		int32 Unused;
		if (InvalidCharacters.FindChar(InString[I], Unused))
		{
			if (InReplacementChar != 0)
			{
				Result.AppendChar(InReplacementChar);
			}
		}
		else
		{
			Result.AppendChar(InString[I]);
		}
	}
	return Result;
}

FString FPaths::CombineInternal(const TCHAR** Paths, int32 NumPaths)
{
	if (NumPaths == 0)
	{
		return FString();
	}
	FString Out(Paths[0]);
	for (int32 I = 1; I < NumPaths; ++I)
	{
		Out /= Paths[I];
	}
	return Out;
}
