#include "Files.h"

#include <fstream>
#include <iterator>

namespace SteamStandin
{
std::optional<std::string> ReadWholeFile(const std::filesystem::path& Path)
{
	std::ifstream Stream(Path, std::ios::binary);
	if (!Stream)
	{
		return std::nullopt;
	}
	std::string Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	if (Stream.bad())
	{
		return std::nullopt;
	}
	return Bytes;
}

bool WriteFileAtomically(const std::filesystem::path& Path, std::string_view Bytes, std::string& Error)
{
	std::filesystem::path Temporary = Path;
	Temporary += ".writing";
	{
		std::ofstream Stream(Temporary, std::ios::binary | std::ios::trunc);
		Stream.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
		Stream.close();
		if (!Stream)
		{
			Error = "cannot write " + Temporary.string();
			std::error_code Ignored;
			std::filesystem::remove(Temporary, Ignored);
			return false;
		}
	}
	std::error_code Code;
	std::filesystem::rename(Temporary, Path, Code);
	if (Code)
	{
		Error = "cannot replace " + Path.string() + ": " + Code.message();
		std::filesystem::remove(Temporary, Code);
		return false;
	}
	return true;
}
} // namespace SteamStandin
