#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "GenericPlatform/GenericPlatformFile.h"
#include "Serialization/Archive.h"

enum EFileWrite
{
	FILEWRITE_None = 0x00,
	FILEWRITE_NoFail = 0x01,
	FILEWRITE_NoReplaceExisting = 0x02,
	FILEWRITE_EvenIfReadOnly = 0x04,
	FILEWRITE_Append = 0x08,
	FILEWRITE_AllowRead = 0x10,
	FILEWRITE_Silent = 0x20
};

enum EFileRead
{
	FILEREAD_None = 0x00,
	FILEREAD_NoFail = 0x01,
	FILEREAD_Silent = 0x02
};

class IFileManager
{
public:
	virtual ~IFileManager() = default;
	static IFileManager& Get();

	// Null on failure. Missing parent folders are created. Deleting the archive closes the file.
	virtual FArchive* CreateFileWriter(const TCHAR* Filename, uint32 WriteFlags = 0);
	virtual FArchive* CreateFileReader(const TCHAR* Filename, uint32 ReadFlags = 0);
	// A missing file is success unless RequireExists.
	virtual bool Delete(const TCHAR* Filename, bool RequireExists = 0, bool EvenReadOnly = 0, bool Quiet = 0);
	virtual bool Move(const TCHAR* Dest, const TCHAR* Src, bool Replace = 1, bool EvenIfReadOnly = 0);
	virtual uint32 Copy(const TCHAR* Dest, const TCHAR* Src, bool Replace = 1);
	// True when the folder exists afterwards.
	virtual bool MakeDirectory(const TCHAR* Path, bool Tree = 0);
	virtual bool DeleteDirectory(const TCHAR* Path, bool RequireExists = 0, bool Tree = 0);
	virtual bool FileExists(const TCHAR* Filename);
	virtual bool DirectoryExists(const TCHAR* InDirectory);
	virtual int64 FileSize(const TCHAR* Filename);
	virtual bool IterateDirectory(const TCHAR* Directory, IPlatformFile::FDirectoryVisitor& Visitor);
	virtual bool IterateDirectoryRecursively(const TCHAR* Directory, IPlatformFile::FDirectoryVisitor& Visitor);
	virtual void FindFiles(TArray<FString>& FileNames, const TCHAR* Filename, bool Files, bool Directories);
};
