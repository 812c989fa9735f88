#include "Validation.h"

#include "Standin/Machine.h"

#include <cstring>
#include <filesystem>

namespace SteamStandin
{
namespace
{
// Code points of valid UTF-8, or -1.
long CountCodePoints(std::string_view Text)
{
	long Count = 0;
	size_t I = 0;
	while (I < Text.size())
	{
		const unsigned char Lead = static_cast<unsigned char>(Text[I]);
		const int Extra = Lead < 0x80 ? 0 : (Lead >> 5) == 0x6 ? 1 : (Lead >> 4) == 0xE ? 2 : (Lead >> 3) == 0x1E ? 3 : -1;
		if (Extra < 0 || I + Extra >= Text.size())
		{
			return -1;
		}
		char32_t C = Extra == 0 ? Lead : Lead & (0x3F >> Extra);
		for (int K = 1; K <= Extra; ++K)
		{
			const unsigned char Next = static_cast<unsigned char>(Text[I + K]);
			if ((Next & 0xC0) != 0x80)
			{
				return -1;
			}
			C = (C << 6) | (Next & 0x3F);
		}
		const bool bOverlong = (Extra == 1 && C < 0x80) || (Extra == 2 && C < 0x800) || (Extra == 3 && C < 0x10000);
		if (bOverlong || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF))
		{
			return -1;
		}
		I += Extra + 1;
		++Count;
	}
	return Count;
}
} // namespace

bool IsValidUtf8(std::string_view Text)
{
	return CountCodePoints(Text) >= 0;
}

bool CheckText(const char* Text, size_t MaxBytes, const char* What, std::string& Why)
{
	if (!Text)
	{
		Why = std::string(What) + " is null";
		return false;
	}
	const size_t Bytes = std::strlen(Text);
	if (Bytes > MaxBytes)
	{
		Why = std::string(What) + " is " + std::to_string(Bytes) + " bytes, more than " + std::to_string(MaxBytes);
		return false;
	}
	if (!IsValidUtf8(Text))
	{
		Why = std::string(What) + " is not UTF-8";
		return false;
	}
	return true;
}

bool CheckTag(const char* Tag, std::string& Why)
{
	if (!Tag)
	{
		Why = "a tag is null";
		return false;
	}
	const long Characters = CountCodePoints(Tag);
	if (Characters < 0 || Characters > static_cast<long>(MaxTagCharacters))
	{
		Why = "the tag \"" + std::string(Tag) + "\" is not UTF-8 of at most 255 characters";
		return false;
	}
	for (const char* C = Tag; *C; ++C)
	{
		const unsigned char Byte = static_cast<unsigned char>(*C);
		if (Byte == ',' || Byte < 0x20 || Byte == 0x7F)
		{
			Why = "the tag \"" + std::string(Tag) + "\" holds a comma or a control character";
			return false;
		}
	}
	return true;
}

EResult CheckContentFolder(const std::string& Folder, std::string& Why)
{
	const std::filesystem::path Host = Standin::Machine::ToHostPath(Folder);
	std::error_code Code;
	if (!Host.is_absolute() || !std::filesystem::is_directory(Host, Code))
	{
		Why = "the content folder \"" + Folder + "\" is not an absolute path of a folder";
		return k_EResultFileNotFound;
	}
	return k_EResultOK;
}

EResult CheckPreviewFile(const std::string& File, std::string& Why)
{
	const std::filesystem::path Host = Standin::Machine::ToHostPath(File);
	std::error_code Code;
	if (!Host.is_absolute() || !std::filesystem::is_regular_file(Host, Code))
	{
		Why = "the preview file \"" + File + "\" cannot be read";
		return k_EResultFileNotFound;
	}
	const std::uintmax_t Size = std::filesystem::file_size(Host, Code);
	if (Code || Size < MinPreviewBytes)
	{
		Why = "the preview file \"" + File + "\" is under 16 bytes";
		return k_EResultInvalidParam;
	}
	if (Size >= PreviewLimitBytes)
	{
		Why = "the preview file \"" + File + "\" is 1 MB or larger";
		return k_EResultLimitExceeded;
	}
	return k_EResultOK;
}
} // namespace SteamStandin
