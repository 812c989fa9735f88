#include "HAL/FileManager.h"

#include <memory>

#include "Misc/Paths.h"

namespace
{
IPlatformFile& Physical()
{
	return IPlatformFile::GetPlatformPhysical();
}

class FFileHandleArchive final : public FArchive
{
public:
	FFileHandleArchive(IFileHandle* InHandle, bool bInLoading) : Handle(InHandle) { bLoading = bInLoading; }
	~FFileHandleArchive() override { Close(); }

	void Serialize(void* V, int64 Length) override
	{
		if (!Handle || Length <= 0)
		{
			return;
		}
		const bool bOk = bLoading ? Handle->Read(static_cast<uint8*>(V), Length) : Handle->Write(static_cast<const uint8*>(V), Length);
		if (!bOk)
		{
			SetError();
		}
	}
	bool Close() override
	{
		if (Handle && !Handle->Flush())
		{
			SetError();
		}
		Handle.reset();
		return !IsError();
	}
	int64 Tell() override { return Handle ? Handle->Tell() : 0; }
	int64 TotalSize() override { return Handle ? Handle->Size() : 0; }
	void Seek(int64 Position) override
	{
		if (Handle && !Handle->Seek(Position))
		{
			SetError();
		}
	}

private:
	std::unique_ptr<IFileHandle> Handle;
};
} // namespace

IFileManager& IFileManager::Get()
{
	static IFileManager* Manager = new IFileManager();
	return *Manager;
}

FArchive* IFileManager::CreateFileWriter(const TCHAR* Filename, uint32 WriteFlags)
{
	if ((WriteFlags & FILEWRITE_NoReplaceExisting) && FileExists(Filename))
	{
		return nullptr;
	}
	const bool bAppend = (WriteFlags & FILEWRITE_Append) != 0;
	const bool bAllowRead = (WriteFlags & FILEWRITE_AllowRead) != 0;
	IFileHandle* Handle = Physical().OpenWrite(Filename, bAppend, bAllowRead);
	if (!Handle)
	{
		// As the engine does: make the missing folders and try once more.
		Physical().CreateDirectoryTree(*FPaths::GetPath(Filename));
		Handle = Physical().OpenWrite(Filename, bAppend, bAllowRead);
	}
	return Handle ? new FFileHandleArchive(Handle, false) : nullptr;
}

FArchive* IFileManager::CreateFileReader(const TCHAR* Filename, uint32)
{
	IFileHandle* Handle = Physical().OpenRead(Filename);
	return Handle ? new FFileHandleArchive(Handle, true) : nullptr;
}

bool IFileManager::Delete(const TCHAR* Filename, bool RequireExists, bool, bool)
{
	if (!Physical().FileExists(Filename))
	{
		return !RequireExists;
	}
	return Physical().DeleteFile(Filename);
}

bool IFileManager::Move(const TCHAR* Dest, const TCHAR* Src, bool Replace, bool)
{
	if (!Replace && Physical().FileExists(Dest))
	{
		return false;
	}
	Physical().CreateDirectoryTree(*FPaths::GetPath(Dest));
	return Physical().MoveFile(Dest, Src);
}

uint32 IFileManager::Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace)
{
	if (!Replace && Physical().FileExists(Dest))
	{
		return 1;
	}
	Physical().CreateDirectoryTree(*FPaths::GetPath(Dest));
	return Physical().CopyFile(Dest, Src) ? 0 : 1;
}

bool IFileManager::MakeDirectory(const TCHAR* Path, bool Tree)
{
	return Tree ? Physical().CreateDirectoryTree(Path) : Physical().CreateDirectory(Path);
}

bool IFileManager::DeleteDirectory(const TCHAR* Path, bool RequireExists, bool Tree)
{
	if (!Physical().DirectoryExists(Path))
	{
		return !RequireExists;
	}
	return Tree ? Physical().DeleteDirectoryRecursively(Path) : Physical().DeleteDirectory(Path);
}

bool IFileManager::FileExists(const TCHAR* Filename)
{
	return Physical().FileExists(Filename);
}

bool IFileManager::DirectoryExists(const TCHAR* InDirectory)
{
	return Physical().DirectoryExists(InDirectory);
}

int64 IFileManager::FileSize(const TCHAR* Filename)
{
	return Physical().FileSize(Filename);
}

bool IFileManager::IterateDirectory(const TCHAR* Directory, IPlatformFile::FDirectoryVisitor& Visitor)
{
	return Physical().IterateDirectory(Directory, Visitor);
}

bool IFileManager::IterateDirectoryRecursively(const TCHAR* Directory, IPlatformFile::FDirectoryVisitor& Visitor)
{
	return Physical().IterateDirectoryRecursively(Directory, Visitor);
}

void IFileManager::FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories)
{
	struct FCollect : IPlatformFile::FDirectoryVisitor
	{
		TArray<FString>& Out;
		bool bFiles;
		bool bDirectories;
		FCollect(TArray<FString>& InOut, bool bInFiles, bool bInDirectories) : Out(InOut), bFiles(bInFiles), bDirectories(bInDirectories) {}
		bool Visit(const TCHAR* Path, bool bIsDirectory) override
		{
			if ((bIsDirectory && bDirectories) || (!bIsDirectory && bFiles))
			{
				Out.Add(FPaths::GetCleanFilename(Path));
			}
			return true;
		}
	} Collect(FileNames, Files, Directories);
	// Only "<folder>/*" and "<folder>/*.<ext>" patterns are understood.
	const FString Pattern(Filename);
	Physical().IterateDirectory(*FPaths::GetPath(Pattern), Collect);
	const FString Extension = FPaths::GetExtension(Pattern);
	if (!Extension.IsEmpty() && Extension != TEXT("*"))
	{
		FileNames.RemoveAll([&](const FString& Name) { return FPaths::GetExtension(Name) != Extension; });
	}
}
