// IPlatformFile: the engine's low-level file interface. The stand-in's one implementation maps every
// path through the stand-in machine (backslashes, drive letters) before it reaches the OS.
#pragma once

#include "Containers/UnrealString.h"
#include "CoreTypes.h"

class IFileHandle
{
public:
	virtual ~IFileHandle() = default;
	virtual int64 Tell() = 0;
	virtual bool Seek(int64 NewPosition) = 0;
	virtual bool Read(uint8* Destination, int64 BytesToRead) = 0;
	virtual bool Write(const uint8* Source, int64 BytesToWrite) = 0;
	virtual int64 Size() = 0;
	virtual bool Flush() { return true; }
};

class IPlatformFile
{
public:
	class FDirectoryVisitor
	{
	public:
		virtual ~FDirectoryVisitor() {}
		virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) = 0;
	};

	virtual ~IPlatformFile() = default;

	static IPlatformFile& GetPlatformPhysical();

	virtual bool FileExists(const TCHAR* Filename) = 0;
	virtual int64 FileSize(const TCHAR* Filename) = 0;
	virtual bool DeleteFile(const TCHAR* Filename) = 0;
	virtual bool IsReadOnly(const TCHAR* Filename) = 0;
	virtual bool MoveFile(const TCHAR* To, const TCHAR* From) = 0;
	virtual bool DirectoryExists(const TCHAR* Directory) = 0;
	virtual bool CreateDirectory(const TCHAR* Directory) = 0;
	virtual bool DeleteDirectory(const TCHAR* Directory) = 0;
	virtual IFileHandle* OpenRead(const TCHAR* Filename, bool bAllowWrite = false) = 0;
	virtual IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend = false, bool bAllowRead = false) = 0;
	virtual bool IterateDirectory(const TCHAR* Directory, FDirectoryVisitor& Visitor) = 0;

	virtual bool IterateDirectoryRecursively(const TCHAR* Directory, FDirectoryVisitor& Visitor);
	virtual bool CreateDirectoryTree(const TCHAR* Directory);
	virtual bool DeleteDirectoryRecursively(const TCHAR* Directory);
	virtual bool CopyFile(const TCHAR* To, const TCHAR* From);
};
