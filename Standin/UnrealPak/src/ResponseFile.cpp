#include "Standin/Pak/ResponseFile.h"

#include "PosixFile.h"
#include "Standin/Machine.h"

namespace Standin::Pak
{
namespace
{
bool IsValidUtf8(std::span<const uint8_t> Bytes)
{
	size_t I = 0;
	while (I < Bytes.size())
	{
		const uint8_t Lead = Bytes[I];
		const size_t Extra = Lead < 0x80 ? 0 : (Lead >> 5) == 0x6 ? 1 : (Lead >> 4) == 0xE ? 2 : (Lead >> 3) == 0x1E ? 3 : 4;
		if (Extra == 4 || Extra > Bytes.size() - I - 1)
		{
			return false;
		}
		for (size_t K = 1; K <= Extra; ++K)
		{
			if ((Bytes[I + K] & 0xC0) != 0x80)
			{
				return false;
			}
		}
		I += Extra + 1;
	}
	return true;
}

std::u16string DecodeUtf16(std::span<const uint8_t> Bytes, bool bBigEndian)
{
	std::u16string Text(Bytes.size() / 2, u'\0');
	for (size_t I = 0; I < Text.size(); ++I)
	{
		const uint8_t Low = Bytes[2 * I + (bBigEndian ? 1 : 0)];
		const uint8_t High = Bytes[2 * I + (bBigEndian ? 0 : 1)];
		Text[I] = static_cast<char16_t>(Low | (High << 8));
	}
	return Text;
}

bool IsBlank(char16_t C)
{
	return C == u' ' || C == u'\t' || C == u'\v' || C == u'\f';
}

// The engine's token rule: a token in double quotes loses them and may hold blanks; an unquoted
// token runs to the next blank outside quotes and keeps any quotes inside it. An empty token ends
// the line, as it ends the engine's token loop.
std::vector<std::u16string> SplitTokens(std::u16string_view Line)
{
	std::vector<std::u16string> Tokens;
	size_t I = 0;
	while (true)
	{
		while (I < Line.size() && IsBlank(Line[I]))
		{
			++I;
		}
		std::u16string Token;
		if (I < Line.size() && Line[I] == u'"')
		{
			const size_t End = Line.find(u'"', I + 1);
			Token = Line.substr(I + 1, End == std::u16string_view::npos ? std::u16string_view::npos : End - I - 1);
			I = End == std::u16string_view::npos ? Line.size() : End + 1;
		}
		else
		{
			bool bInQuote = false;
			while (I < Line.size() && (bInQuote || !IsBlank(Line[I])))
			{
				bInQuote = Line[I] == u'"' ? !bInQuote : bInQuote;
				Token += Line[I++];
			}
		}
		if (Token.empty())
		{
			return Tokens;
		}
		Tokens.push_back(std::move(Token));
	}
}

std::u16string NormalizeSeparators(std::u16string Path)
{
	for (char16_t& C : Path)
	{
		C = C == u'\\' ? u'/' : C;
	}
	return Path;
}

// What precedes the last separator ("" when there is none), as FPaths::GetPath.
std::u16string_view FolderOf(std::u16string_view Path)
{
	const size_t Slash = Path.find_last_of(u"/\\");
	return Slash == std::u16string_view::npos ? std::u16string_view() : Path.substr(0, Slash);
}

std::u16string_view CleanFilenameOf(std::u16string_view Path)
{
	const size_t Slash = Path.find_last_of(u"/\\");
	return Slash == std::u16string_view::npos ? Path : Path.substr(Slash + 1);
}
} // namespace

std::u16string DecodeText(std::span<const uint8_t> Bytes)
{
	const bool bEven = Bytes.size() % 2 == 0;
	if (bEven && Bytes.size() >= 2 && Bytes[0] == 0xFF && Bytes[1] == 0xFE)
	{
		return DecodeUtf16(Bytes.subspan(2), false);
	}
	if (bEven && Bytes.size() >= 2 && Bytes[0] == 0xFE && Bytes[1] == 0xFF)
	{
		return DecodeUtf16(Bytes.subspan(2), true);
	}
	if (Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF)
	{
		Bytes = Bytes.subspan(3);
	}
	if (IsValidUtf8(Bytes))
	{
		return Standin::Machine::ToUtf16(std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
	}
	return std::u16string(Bytes.begin(), Bytes.end());
}

std::vector<FPakInputPair> ParseResponseFile(std::u16string_view Text)
{
	std::vector<FPakInputPair> Inputs;
	size_t Start = 0;
	while (Start < Text.size())
	{
		size_t End = Text.find(u'\n', Start);
		End = End == std::u16string_view::npos ? Text.size() : End;
		std::u16string Line;
		for (char16_t C : Text.substr(Start, End - Start))
		{
			if (C != u'\r')
			{
				Line += C;
			}
		}
		Start = End + 1;

		std::vector<std::u16string> Paths;
		for (std::u16string& Token : SplitTokens(Line))
		{
			if (Token.front() != u'-')
			{
				Paths.push_back(std::move(Token));
			}
		}
		if (Paths.empty())
		{
			continue;
		}
		FPakInputPair Input;
		Input.Source = NormalizeSeparators(Paths[0]);
		std::u16string Folder = NormalizeSeparators(std::u16string(FolderOf(Paths.size() > 1 ? Paths[1] : Paths[0])));
		if (!Folder.empty() && Folder.back() != u'/')
		{
			Folder += u'/';
		}
		Input.Dest = Folder + std::u16string(CleanFilenameOf(Input.Source));
		Inputs.push_back(std::move(Input));
	}
	return Inputs;
}

std::vector<FPakInputPair> ParseResponseFile(std::span<const uint8_t> Bytes)
{
	return ParseResponseFile(DecodeText(Bytes));
}
std::vector<FPakInputPair> LoadResponseFile(const std::filesystem::path& HostPath)
{
	FPosixFile File = FPosixFile::OpenRead(HostPath);
	std::vector<uint8_t> Bytes(static_cast<size_t>(File.Size()));
	File.ReadExactAt(Bytes.data(), Bytes.size(), 0);
	return ParseResponseFile(Bytes);
}
} // namespace Standin::Pak
