// The one physical file layer of the stand-in: every path goes through the stand-in machine's mapping.
#include "GenericPlatform/GenericPlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <filesystem>
#include <system_error>

#include "HAL/PlatformFilemanager.h"
#include "Standin/Machine.h"
#include "Standin/StringUtf8.h"

namespace fs = std::filesystem;

namespace
{
fs::path Host(const TCHAR* Path)
{
	return Standin::Machine::ToHostPath(std::u16string_view(Path ? Path : u""));
}

class FHostFileHandle final : public IFileHandle
{
public:
	explicit FHostFileHandle(std::FILE* InFile) : File(InFile) {}
	~FHostFileHandle() override { std::fclose(File); }

	int64 Tell() override { return ftello(File); }
	bool Seek(int64 NewPosition) override { return fseeko(File, NewPosition, SEEK_SET) == 0; }
	bool Read(uint8* Destination, int64 BytesToRead) override
	{
		return std::fread(Destination, 1, BytesToRead, File) == static_cast<size_t>(BytesToRead);
	}
	bool Write(const uint8* Source, int64 BytesToWrite) override
	{
		return std::fwrite(Source, 1, BytesToWrite, File) == static_cast<size_t>(BytesToWrite);
	}
	int64 Size() override
	{
		const int64 Position = Tell();
		fseeko(File, 0, SEEK_END);
		const int64 Result = Tell();
		fseeko(File, Position, SEEK_SET);
		return Result;
	}
	bool Flush() override { return std::fflush(File) == 0; }

private:
	std::FILE* File;
};

class FStandinPlatformFile final : public IPlatformFile
{
public:
	bool FileExists(const TCHAR* Filename) override
	{
		std::error_code Error;
		return fs::is_regular_file(Host(Filename), Error);
	}
	int64 FileSize(const TCHAR* Filename) override
	{
		std::error_code Error;
		const fs::path Path = Host(Filename);
		if (!fs::is_regular_file(Path, Error))
		{
			return -1;
		}
		const auto Size = fs::file_size(Path, Error);
		return Error ? -1 : static_cast<int64>(Size);
	}
	bool DeleteFile(const TCHAR* Filename) override
	{
		std::error_code Error;
		const fs::path Path = Host(Filename);
		return fs::is_regular_file(Path, Error) && !Standin::Machine::IsWriteRefused(Path) && fs::remove(Path, Error);
	}
	bool IsReadOnly(const TCHAR* Filename) override
	{
		std::error_code Error;
		const auto Status = fs::status(Host(Filename), Error);
		return !Error && (Status.permissions() & fs::perms::owner_write) == fs::perms::none;
	}
	bool MoveFile(const TCHAR* To, const TCHAR* From) override
	{
		std::error_code Error;
		const fs::path Target = Host(To);
		if (Standin::Machine::IsWriteRefused(Target))
		{
			return false;
		}
		fs::rename(Host(From), Target, Error);
		return !Error;
	}
	bool DirectoryExists(const TCHAR* Directory) override
	{
		std::error_code Error;
		return fs::is_directory(Host(Directory), Error);
	}
	bool CreateDirectory(const TCHAR* Directory) override
	{
		std::error_code Error;
		const fs::path Path = Host(Directory);
		if (fs::is_directory(Path, Error))
		{
			return true;
		}
		if (Standin::Machine::IsWriteRefused(Path))
		{
			return false;
		}
		return fs::create_directory(Path, Error) || fs::is_directory(Path, Error);
	}
	bool DeleteDirectory(const TCHAR* Directory) override
	{
		std::error_code Error;
		const fs::path Path = Host(Directory);
		return fs::is_directory(Path, Error) && fs::remove(Path, Error);
	}
	IFileHandle* OpenRead(const TCHAR* Filename, bool) override
	{
		std::FILE* File = std::fopen(Host(Filename).c_str(), "rb");
		return File ? new FHostFileHandle(File) : nullptr;
	}
	IFileHandle* OpenWrite(const TCHAR* Filename, bool bAppend, bool bAllowRead) override
	{
		const fs::path Path = Host(Filename);
		if (Standin::Machine::IsWriteRefused(Path))
		{
			return nullptr;
		}
		std::FILE* File = std::fopen(Path.c_str(), bAppend ? (bAllowRead ? "a+b" : "ab") : (bAllowRead ? "w+b" : "wb"));
		return File ? new FHostFileHandle(File) : nullptr;
	}
	bool IterateDirectory(const TCHAR* Directory, FDirectoryVisitor& Visitor) override
	{
		// readdir rather than std::filesystem: a walk over a cooked map of many thousands of files spent
		// most of its time building and splitting a path object per entry.
		const fs::path HostDirectory = Host(Directory);
		const std::unique_ptr<DIR, int (*)(DIR*)> Stream(::opendir(HostDirectory.c_str()), &::closedir);
		if (!Stream)
		{
			return false;
		}
		// Each entry is reported as the folder's path joined with the entry's name, as the engine does.
		FString Entry = FString(Directory) / TEXT("");
		const int32 PrefixLength = Entry.Len();
		errno = 0;
		while (const dirent* Found = ::readdir(Stream.get()))
		{
			const std::string_view Name(Found->d_name);
			if (Name == "." || Name == "..")
			{
				continue;
			}
			Entry.RemoveAt(PrefixLength, Entry.Len() - PrefixLength);
			Entry += Standin::FromUtf8(Name);
			if (!Visitor.Visit(*Entry, IsDirectoryEntry(::dirfd(Stream.get()), *Found)))
			{
				return false;
			}
			errno = 0;
		}
		return errno == 0;
	}

private:
	// The entry's type as the folder listing gives it; file systems that leave it unknown, and links
	// (followed, as the engine's walk does), are asked with a stat.
	static bool IsDirectoryEntry(int DirectoryDescriptor, const dirent& Found)
	{
		if (Found.d_type != DT_UNKNOWN && Found.d_type != DT_LNK)
		{
			return Found.d_type == DT_DIR;
		}
		struct stat Info{};
		return ::fstatat(DirectoryDescriptor, Found.d_name, &Info, 0) == 0 && S_ISDIR(Info.st_mode);
	}
};
} // namespace

bool IPlatformFile::IterateDirectoryRecursively(const TCHAR* Directory, FDirectoryVisitor& Visitor)
{
	struct FRecurse : FDirectoryVisitor
	{
		IPlatformFile& PlatformFile;
		FDirectoryVisitor& Inner;
		FRecurse(IPlatformFile& InPlatformFile, FDirectoryVisitor& InInner) : PlatformFile(InPlatformFile), Inner(InInner) {}
		bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override
		{
			bool bResult = Inner.Visit(FilenameOrDirectory, bIsDirectory);
			if (bResult && bIsDirectory)
			{
				bResult = PlatformFile.IterateDirectory(FilenameOrDirectory, *this);
			}
			return bResult;
		}
	} Recurse(*this, Visitor);
	return IterateDirectory(Directory, Recurse);
}

bool IPlatformFile::CreateDirectoryTree(const TCHAR* Directory)
{
	std::error_code Error;
	const fs::path Path = Host(Directory);
	if (fs::is_directory(Path, Error))
	{
		return true;
	}
	if (Standin::Machine::IsWriteRefused(Path))
	{
		return false;
	}
	fs::create_directories(Path, Error);
	return fs::is_directory(Path, Error);
}

bool IPlatformFile::DeleteDirectoryRecursively(const TCHAR* Directory)
{
	std::error_code Error;
	fs::remove_all(Host(Directory), Error);
	return !Error;
}

bool IPlatformFile::CopyFile(const TCHAR* To, const TCHAR* From)
{
	std::error_code Error;
	const fs::path Target = Host(To);
	if (Standin::Machine::IsWriteRefused(Target))
	{
		return false;
	}
	return fs::copy_file(Host(From), Target, fs::copy_options::overwrite_existing, Error) && !Error;
}

IPlatformFile& IPlatformFile::GetPlatformPhysical()
{
	static FStandinPlatformFile* PlatformFile = new FStandinPlatformFile();
	return *PlatformFile;
}

FPlatformFileManager& FPlatformFileManager::Get()
{
	static FPlatformFileManager Manager;
	return Manager;
}

IPlatformFile& FPlatformFileManager::GetPlatformFile()
{
	return IPlatformFile::GetPlatformPhysical();
}
