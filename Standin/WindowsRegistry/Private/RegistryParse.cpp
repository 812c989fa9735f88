#include "RegistryText.h"
#include "Standin/RegistryFile.h"

#include <optional>
#include <unordered_map>

namespace Standin::Registry
{
namespace
{
bool IsBlank(char16_t C)
{
	return C == u' ' || C == u'\t';
}

std::u16string_view Trim(std::u16string_view Text)
{
	while (!Text.empty() && IsBlank(Text.front()))
	{
		Text.remove_prefix(1);
	}
	while (!Text.empty() && IsBlank(Text.back()))
	{
		Text.remove_suffix(1);
	}
	return Text;
}

int HexDigit(char16_t C)
{
	if (C >= u'0' && C <= u'9')
	{
		return C - u'0';
	}
	if (C >= u'a' && C <= u'f')
	{
		return C - u'a' + 10;
	}
	if (C >= u'A' && C <= u'F')
	{
		return C - u'A' + 10;
	}
	return -1;
}

// A hexadecimal number of 1 to MaxDigits digits, the whole text.
std::optional<std::uint32_t> ParseHex(std::u16string_view Text, size_t MaxDigits)
{
	if (Text.empty() || Text.size() > MaxDigits)
	{
		return std::nullopt;
	}
	std::uint32_t Result = 0;
	for (char16_t C : Text)
	{
		const int Digit = HexDigit(C);
		if (Digit < 0)
		{
			return std::nullopt;
		}
		Result = (Result << 4) | static_cast<std::uint32_t>(Digit);
	}
	return Result;
}

// "a,b,c" hexadecimal bytes; blanks around each byte allowed, a trailing comma tolerated.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::u16string_view Text)
{
	std::vector<std::uint8_t> Bytes;
	Text = Trim(Text);
	while (!Text.empty())
	{
		const size_t Comma = Text.find(u',');
		const std::u16string_view Item = Trim(Text.substr(0, Comma));
		const std::optional<std::uint32_t> Byte = ParseHex(Item, 2);
		if (!Byte)
		{
			return std::nullopt;
		}
		Bytes.push_back(static_cast<std::uint8_t>(*Byte));
		if (Comma == std::u16string_view::npos)
		{
			break;
		}
		Text = Trim(Text.substr(Comma + 1));
	}
	return Bytes;
}

// A quoted string with the .reg escapes \\ and \" at the start of Text; Rest receives what follows.
std::optional<std::u16string> ParseQuoted(std::u16string_view Text, std::u16string_view& Rest)
{
	if (Text.empty() || Text.front() != u'"')
	{
		return std::nullopt;
	}
	std::u16string Out;
	for (size_t I = 1; I < Text.size(); ++I)
	{
		const char16_t C = Text[I];
		if (C == u'"')
		{
			Rest = Text.substr(I + 1);
			return Out;
		}
		if (C == u'\\' && I + 1 < Text.size() && (Text[I + 1] == u'\\' || Text[I + 1] == u'"'))
		{
			Out += Text[++I];
			continue;
		}
		Out += C;
	}
	return std::nullopt;
}

void AppendUtf16Le(std::vector<std::uint8_t>& Out, std::u16string_view Text)
{
	for (char16_t C : Text)
	{
		Out.push_back(static_cast<std::uint8_t>(C & 0xFF));
		Out.push_back(static_cast<std::uint8_t>(C >> 8));
	}
}

// The data part of a value line (after '='). False when it cannot be read.
bool ParseData(std::u16string_view Text, Value& Out)
{
	std::u16string_view Rest;
	if (std::optional<std::u16string> Text16 = ParseQuoted(Text, Rest))
	{
		if (!Trim(Rest).empty())
		{
			return false;
		}
		Out.Type = TypeString;
		AppendUtf16Le(Out.Data, *Text16);
		AppendUtf16Le(Out.Data, std::u16string_view(u"\0", 1));
		return true;
	}
	if (Text.starts_with(u"dword:"))
	{
		const std::optional<std::uint32_t> Number = ParseHex(Trim(Text.substr(6)), 8);
		if (!Number)
		{
			return false;
		}
		Out.Type = TypeDword;
		for (int Shift = 0; Shift < 32; Shift += 8)
		{
			Out.Data.push_back(static_cast<std::uint8_t>((*Number >> Shift) & 0xFF));
		}
		return true;
	}
	std::u16string_view Bytes;
	if (Text.starts_with(u"hex:"))
	{
		Out.Type = TypeBinary;
		Bytes = Text.substr(4);
	}
	else if (Text.starts_with(u"hex("))
	{
		const size_t Close = Text.find(u"):");
		const std::optional<std::uint32_t> Type =
			Close == std::u16string_view::npos ? std::nullopt : ParseHex(Text.substr(4, Close - 4), 8);
		if (!Type)
		{
			return false;
		}
		Out.Type = *Type;
		Bytes = Text.substr(Close + 2);
	}
	else
	{
		return false;
	}
	std::optional<std::vector<std::uint8_t>> Data = ParseHexBytes(Bytes);
	if (!Data)
	{
		return false;
	}
	Out.Data = std::move(*Data);
	return true;
}

struct LogicalLine
{
	int Number = 0; // of its first physical line
	std::u16string Text;
};

// Physical lines joined where a line ends in a backslash (long hex values are wrapped that way).
std::vector<LogicalLine> SplitLines(std::u16string_view Text)
{
	std::vector<LogicalLine> Lines;
	int Number = 0;
	bool bContinues = false;
	size_t Start = 0;
	while (Start <= Text.size())
	{
		size_t End = Text.find_first_of(u"\r\n", Start);
		const size_t LineEnd = End == std::u16string_view::npos ? Text.size() : End;
		std::u16string_view Line = Text.substr(Start, LineEnd - Start);
		++Number;
		if (bContinues)
		{
			Lines.back().Text += Trim(Line);
		}
		else
		{
			Lines.push_back({Number, std::u16string(Line)});
		}
		std::u16string& Current = Lines.back().Text;
		while (!Current.empty() && IsBlank(Current.back()))
		{
			Current.pop_back();
		}
		bContinues = !Current.empty() && Current.back() == u'\\' && !Current.starts_with(u"[");
		if (bContinues)
		{
			Current.pop_back();
		}
		if (End == std::u16string_view::npos)
		{
			break;
		}
		Start = (Text[End] == u'\r' && End + 1 < Text.size() && Text[End + 1] == u'\n') ? End + 2 : End + 1;
	}
	return Lines;
}

// Builds the File while the lines are read: keys by folded path, deletions applied in order.
class Builder
{
public:
	void OpenKey(const std::u16string& Path)
	{
		auto [It, bInserted] = Index.try_emplace(Folded(Path), Result.Keys.size());
		if (bInserted)
		{
			Result.Keys.push_back({Path, {}});
		}
		Current = It->second;
		bHasCurrent = true;
	}

	void DeleteKey(const std::u16string& Path)
	{
		std::erase_if(Result.Keys, [&](const Key& Entry) {
			return EqualsNoCase(Entry.Path, Path) || IsUnder(Entry.Path, Path);
		});
		Index.clear();
		for (size_t I = 0; I < Result.Keys.size(); ++I)
		{
			Index.emplace(Folded(Result.Keys[I].Path), I);
		}
		bHasCurrent = false;
	}

	// After a section line that cannot be read, values belong to no key until the next good one.
	void CloseKey()
	{
		bHasCurrent = false;
	}

	bool HasCurrent() const
	{
		return bHasCurrent;
	}

	void SetValue(Value Entry)
	{
		std::vector<Value>& Values = Result.Keys[Current].Values;
		auto It = std::find_if(Values.begin(), Values.end(),
							   [&](const Value& Other) { return EqualsNoCase(Other.Name, Entry.Name); });
		if (It != Values.end())
		{
			*It = std::move(Entry);
		}
		else
		{
			Values.push_back(std::move(Entry));
		}
	}

	void DeleteValue(std::u16string_view Name)
	{
		std::erase_if(Result.Keys[Current].Values,
					  [&](const Value& Other) { return EqualsNoCase(Other.Name, Name); });
	}

	void Skip(int Line)
	{
		Result.SkippedLines.push_back(Line);
	}

	File Take()
	{
		return std::move(Result);
	}

private:
	File Result;
	std::unordered_map<std::u16string, size_t> Index;
	size_t Current = 0;
	bool bHasCurrent = false;
};

bool ReadSection(std::u16string_view Line, Builder& Out)
{
	if (Line.size() < 2 || Line.back() != u']')
	{
		return false;
	}
	std::u16string_view Inner = Line.substr(1, Line.size() - 2);
	const bool bDelete = !Inner.empty() && Inner.front() == u'-';
	const std::u16string Path = NormalizeKeyPath(bDelete ? Inner.substr(1) : Inner);
	if (Path.empty())
	{
		return false;
	}
	if (bDelete)
	{
		Out.DeleteKey(Path);
	}
	else
	{
		Out.OpenKey(Path);
	}
	return true;
}

bool ReadValue(std::u16string_view Line, Builder& Out)
{
	if (!Out.HasCurrent())
	{
		return false;
	}
	Value Entry;
	std::u16string_view Rest;
	if (Line.starts_with(u"@"))
	{
		Rest = Line.substr(1);
	}
	else if (std::optional<std::u16string> Name = ParseQuoted(Line, Rest))
	{
		Entry.Name = std::move(*Name);
	}
	else
	{
		return false;
	}
	Rest = Trim(Rest);
	if (Rest.empty() || Rest.front() != u'=')
	{
		return false;
	}
	Rest = Trim(Rest.substr(1));
	if (Rest == u"-")
	{
		Out.DeleteValue(Entry.Name);
		return true;
	}
	if (!ParseData(Rest, Entry))
	{
		return false;
	}
	Out.SetValue(std::move(Entry));
	return true;
}
} // namespace

File Parse(std::u16string_view Text)
{
	if (!Text.empty() && Text.front() == 0xFEFF)
	{
		Text.remove_prefix(1);
	}
	Builder Out;
	bool bSawHeader = false;
	for (const LogicalLine& Line : SplitLines(Text))
	{
		const std::u16string_view Content = Trim(Line.Text);
		if (Content.empty() || Content.front() == u';')
		{
			continue;
		}
		if (!bSawHeader)
		{
			bSawHeader = true;
			if (Content == u"Windows Registry Editor Version 5.00" || Content == u"REGEDIT4")
			{
				continue;
			}
		}
		const bool bSection = Content.front() == u'[';
		if (!(bSection ? ReadSection(Content, Out) : ReadValue(Content, Out)))
		{
			Out.Skip(Line.Number);
			if (bSection)
			{
				Out.CloseKey();
			}
		}
	}
	return Out.Take();
}
} // namespace Standin::Registry
