#include "Standin/Machine.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace Standin::Machine
{
namespace
{
constexpr const char* MachineVariable = "LEVELWRIGHT_MACHINE";
constexpr const char* DiskFullVariable = "LEVELWRIGHT_FAULT_DISK_FULL";

std::string FixSeparators(std::string Path)
{
	for (char& C : Path)
	{
		if (C == '\\')
		{
			C = '/';
		}
	}
	return Path;
}

bool IsAsciiLetter(char C)
{
	return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

bool IsDrivePath(std::string_view Path)
{
	return Path.size() >= 2 && IsAsciiLetter(Path[0]) && Path[1] == ':' &&
		   (Path.size() == 2 || Path[2] == '/' || Path[2] == '\\');
}
} // namespace

std::filesystem::path Root()
{
	const char* Value = std::getenv(MachineVariable);
	return Value && *Value ? std::filesystem::path(Value) : std::filesystem::path();
}

void SetRoot(const std::filesystem::path& NewRoot)
{
	::setenv(MachineVariable, std::filesystem::absolute(NewRoot).lexically_normal().c_str(), 1);
}

bool IsDrivePath(std::u16string_view Path)
{
	return Path.size() >= 2 && Path[0] < 0x80 && IsAsciiLetter(static_cast<char>(Path[0])) && Path[1] == u':' &&
		   (Path.size() == 2 || Path[2] == u'/' || Path[2] == u'\\');
}

std::filesystem::path ToHostPath(std::string_view Utf8Path)
{
	std::string Path = FixSeparators(std::string(Utf8Path));
	if (!IsDrivePath(std::string_view(Path)))
	{
		return std::filesystem::path(Path);
	}
	const char Letter = static_cast<char>(Path[0] | 0x20);
	std::string Rest = Path.size() > 3 ? Path.substr(3) : std::string();
	std::filesystem::path MachineRoot = Root();
	if (MachineRoot.empty())
	{
		static std::once_flag Reported;
		std::call_once(Reported, [&] {
			std::fprintf(stderr, "Standin: Error: the drive path %s needs a stand-in machine, but %s is not set\n",
						 Path.c_str(), MachineVariable);
		});
		return std::filesystem::path("/dev/null/no-standin-machine") / std::string(1, Letter) / Rest;
	}
	std::filesystem::path Result = MachineRoot / "drives" / std::string(1, Letter);
	return Rest.empty() ? Result : Result / Rest;
}

std::filesystem::path ToHostPath(std::u16string_view Path)
{
	return ToHostPath(ToUtf8(Path));
}

bool IsWriteRefused(const std::filesystem::path& HostPath)
{
	const char* Value = std::getenv(DiskFullVariable);
	if (!Value || !*Value)
	{
		return false;
	}
	const std::string Prefix = std::filesystem::absolute(Value).lexically_normal().string();
	const std::string Target = std::filesystem::absolute(HostPath).lexically_normal().string();
	return Target.compare(0, Prefix.size(), Prefix) == 0 &&
		   (Target.size() == Prefix.size() || Target[Prefix.size()] == '/' || Prefix.back() == '/');
}
} // namespace Standin::Machine
