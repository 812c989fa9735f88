// The one physical file layer of the stand-in: every path goes through the stand-in machine's mapping.
#include "GenericPlatform/GenericPlatformFile.h"

#include <cstdio>
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
		std::error_code Error;
		fs::directory_iterator It(Host(Directory), Error);
		if (Error)
		{
			return false;
		}
		const FString Prefix(Directory);
		for (; It != fs::directory_iterator(); It.increment(Error))
		{
			if (Error)
			{
				return false;
			}
			std::error_code TypeError;
			const bool bIsDirectory = It->is_directory(TypeError);
			const FString Entry = Prefix / Standin::FromUtf8(It->path().filename().string());
			if (!Visitor.Visit(*Entry, bIsDirectory))
			{
				return false;
			}
		}
		return true;
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
