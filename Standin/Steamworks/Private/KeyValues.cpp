#include "KeyValues.h"

#include <algorithm>

namespace SteamStandin
{
namespace
{
constexpr int MaxDepth = 64;

class Tokenizer
{
public:
	enum class EKind
	{
		End,
		Open,
		Close,
		Text,
	};
	struct Token
	{
		EKind Kind = EKind::End;
		std::string Text;
	};

	explicit Tokenizer(std::string_view InText) : Text(InText) {}

	Token Next()
	{
		for (;;)
		{
			SkipBlanksAndComments();
			if (Position >= Text.size())
			{
				return {};
			}
			const char C = Text[Position];
			if (C == '{' || C == '}')
			{
				++Position;
				return {C == '{' ? EKind::Open : EKind::Close, {}};
			}
			if (C != '[')
			{
				return {EKind::Text, C == '"' ? Quoted() : Bare()};
			}
			// A platform condition such as [$WIN32]: applies everywhere in the stand-in.
			const size_t Close = Text.find(']', Position);
			Position = Close == std::string_view::npos ? Text.size() : Close + 1;
		}
	}

private:
	void SkipBlanksAndComments()
	{
		while (Position < Text.size())
		{
			const char C = Text[Position];
			if (C == ' ' || C == '\t' || C == '\r' || C == '\n')
			{
				++Position;
			}
			else if (Text.substr(Position, 2) == "//")
			{
				const size_t End = Text.find('\n', Position);
				Position = End == std::string_view::npos ? Text.size() : End + 1;
			}
			else
			{
				break;
			}
		}
	}

	std::string Quoted()
	{
		std::string Out;
		++Position;
		while (Position < Text.size() && Text[Position] != '"')
		{
			char C = Text[Position++];
			if (C == '\\' && Position < Text.size())
			{
				const char Escaped = Text[Position++];
				C = Escaped == 'n' ? '\n' : Escaped == 't' ? '\t' : Escaped;
			}
			Out += C;
		}
		++Position;
		return Out;
	}

	std::string Bare()
	{
		const size_t Start = Position;
		while (Position < Text.size() && std::string_view(" \t\r\n{}\"").find(Text[Position]) == std::string_view::npos)
		{
			++Position;
		}
		return std::string(Text.substr(Start, Position - Start));
	}

	std::string_view Text;
	size_t Position = 0;
};

// Reads pairs until the end or a closing brace; false when the text is broken.
bool ReadList(Tokenizer& Tokens, std::vector<KeyValue>& Out, int Depth)
{
	for (;;)
	{
		Tokenizer::Token Key = Tokens.Next();
		if (Key.Kind != Tokenizer::EKind::Text)
		{
			return Depth == 0 ? Key.Kind == Tokenizer::EKind::End : Key.Kind == Tokenizer::EKind::Close;
		}
		Tokenizer::Token Value = Tokens.Next();
		KeyValue Entry;
		Entry.Key = std::move(Key.Text);
		if (Value.Kind == Tokenizer::EKind::Text)
		{
			Entry.Value = std::move(Value.Text);
			Out.push_back(std::move(Entry));
			continue;
		}
		if (Value.Kind != Tokenizer::EKind::Open || Depth >= MaxDepth)
		{
			return false;
		}
		Entry.bBlock = true;
		const bool bRead = ReadList(Tokens, Entry.Children, Depth + 1);
		Out.push_back(std::move(Entry));
		if (!bRead)
		{
			return false;
		}
	}
}
} // namespace

bool EqualsNoCase(std::string_view A, std::string_view B)
{
	auto Lower = [](char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C; };
	return A.size() == B.size() &&
		   std::equal(A.begin(), A.end(), B.begin(), [&](char X, char Y) { return Lower(X) == Lower(Y); });
}

const KeyValue* KeyValue::Find(std::string_view Name) const
{
	auto It = std::find_if(Children.begin(), Children.end(),
						   [&](const KeyValue& Child) { return EqualsNoCase(Child.Key, Name); });
	return It == Children.end() ? nullptr : &*It;
}

std::vector<KeyValue> ParseKeyValues(std::string_view Text)
{
	std::vector<KeyValue> Out;
	Tokenizer Tokens(Text);
	ReadList(Tokens, Out, 0);
	return Out;
}
} // namespace SteamStandin
