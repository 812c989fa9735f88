// FString: the engine's string of 16-bit characters (UTF-16 here, as on Windows).
// Comparison operators ignore case; Equals is case-sensitive by default, as in the engine.
// operator[] is checked in every build, as the engine checks it whenever DO_CHECK is on.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "Containers/Array.h"
#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Misc/CString.h"
#include "Standin/Printf.h"

namespace ESearchCase
{
enum Type
{
	CaseSensitive,
	IgnoreCase
};
}

namespace ESearchDir
{
enum Type
{
	FromStart,
	FromEnd
};
}

class FString
{
public:
	FString() = default;
	FString(const TCHAR* Text) : Data(Text ? Text : u"") {}
	FString(const ANSICHAR* Text);
	FString(int32 Count, const TCHAR* Text) : Data(Text, Count) {}
	explicit FString(std::u16string Text) : Data(std::move(Text)) {}
	explicit FString(std::u16string_view Text) : Data(Text) {}

	const TCHAR* operator*() const { return Data.c_str(); }
	int32 Len() const { return static_cast<int32>(Data.size()); }
	bool IsEmpty() const { return Data.empty(); }
	void Empty(int32 Slack = 0)
	{
		Data.clear();
		Data.reserve(Slack);
	}
	void Reset(int32 Slack = 0) { Empty(Slack); }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Len(); }
	// As in the engine, a fatal check in every build; the terminator (Index == Len()) is out of bounds.
	TCHAR& operator[](int32 Index)
	{
		RangeCheck(Index);
		return Data[Index];
	}
	const TCHAR& operator[](int32 Index) const
	{
		RangeCheck(Index);
		return Data[Index];
	}

	FString& Append(const TCHAR* Text, int32 Count)
	{
		Data.append(Text, Count);
		return *this;
	}
	FString& Append(const FString& Text)
	{
		Data += Text.Data;
		return *this;
	}
	FString& Append(const TCHAR* Text) { return Append(FString(Text)); }
	FString& AppendChar(TCHAR C)
	{
		Data += C;
		return *this;
	}
	FString& operator+=(const FString& Text) { return Append(Text); }
	FString& operator+=(const TCHAR* Text)
	{
		if (Text)
		{
			Data.append(Text);
		}
		return *this;
	}
	FString& operator+=(TCHAR C) { return AppendChar(C); }

	// Path join: exactly one '/' between the parts unless either side already has one.
	FString& PathAppend(const TCHAR* Text, int32 Count);
	FString& operator/=(const FString& Text) { return PathAppend(*Text, Text.Len()); }
	FString& operator/=(const TCHAR* Text) { return PathAppend(Text, FCString::Strlen(Text)); }
	friend FString operator/(const FString& Left, const FString& Right)
	{
		FString Result(Left);
		Result /= Right;
		return Result;
	}
	friend FString operator/(const FString& Left, const TCHAR* Right)
	{
		FString Result(Left);
		Result /= Right;
		return Result;
	}

	friend FString operator+(const FString& A, const FString& B) { return FString(A.Data + B.Data); }
	friend FString operator+(const FString& A, const TCHAR* B) { return FString(A.Data + (B ? B : u"")); }
	friend FString operator+(const TCHAR* A, const FString& B) { return FString((A ? std::u16string(A) : std::u16string()) + B.Data); }
	friend FString operator+(FString&& A, const FString& B)
	{
		A.Data += B.Data;
		return std::move(A);
	}
	friend FString operator+(FString&& A, const TCHAR* B)
	{
		A.Data += (B ? B : u"");
		return std::move(A);
	}

	bool Equals(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	int32 Compare(const FString& Other, ESearchCase::Type SearchCase = ESearchCase::CaseSensitive) const;
	friend bool operator==(const FString& A, const FString& B) { return A.Equals(B, ESearchCase::IgnoreCase); }
	friend bool operator==(const FString& A, const TCHAR* B) { return A.Equals(FString(B), ESearchCase::IgnoreCase); }
	friend bool operator!=(const FString& A, const FString& B) { return !(A == B); }
	friend bool operator!=(const FString& A, const TCHAR* B) { return !(A == B); }
	friend bool operator<(const FString& A, const FString& B) { return A.Compare(B, ESearchCase::IgnoreCase) < 0; }

	int32 Find(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
			   ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const;
	int32 Find(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
			   ESearchDir::Type SearchDir = ESearchDir::FromStart, int32 StartPosition = INDEX_NONE) const
	{
		return Find(*SubStr, SearchCase, SearchDir, StartPosition);
	}
	bool Contains(const TCHAR* SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
				  ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool Contains(const FString& SubStr, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
				  ESearchDir::Type SearchDir = ESearchDir::FromStart) const
	{
		return Find(*SubStr, SearchCase, SearchDir) != INDEX_NONE;
	}
	bool FindChar(TCHAR C, int32& OutIndex) const;
	bool FindLastChar(TCHAR C, int32& OutIndex) const;
	bool StartsWith(const FString& Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool EndsWith(const FString& Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	bool StartsWith(const TCHAR* Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return StartsWith(FString(Prefix), SearchCase); }
	bool EndsWith(const TCHAR* Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const { return EndsWith(FString(Suffix), SearchCase); }

	FString Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase) const;
	int32 ReplaceInline(const TCHAR* Search, const TCHAR* Replacement, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	FString Left(int32 Count) const;
	FString LeftChop(int32 Count) const;
	FString Right(int32 Count) const;
	FString RightChop(int32 Count) const;
	FString Mid(int32 Start, int32 Count = MAX_int32) const;
	void InsertAt(int32 Index, const FString& Text) { Data.insert(Data.begin() + Index, Text.Data.begin(), Text.Data.end()); }
	void RemoveAt(int32 Index, int32 Count = 1) { Data.erase(Index, Count); }
	bool RemoveFromStart(const FString& Prefix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);
	bool RemoveFromEnd(const FString& Suffix, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase);

	FString ToLower() const;
	FString ToUpper() const;
	FString TrimStart() const;
	FString TrimEnd() const;
	FString TrimStartAndEnd() const { return TrimStart().TrimEnd(); }
	void TrimStartAndEndInline() { *this = TrimStartAndEnd(); }
	bool IsNumeric() const { return FCString::IsNumeric(**this); }

	bool Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase = ESearchCase::IgnoreCase,
			   ESearchDir::Type SearchDir = ESearchDir::FromStart) const;
	int32 ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delimiter, bool bCullEmpty = true) const;
	int32 ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty = true) const;
	static FString Join(const TArray<FString>& Parts, const TCHAR* Separator);

	static FString FromInt(int32 Value);
	static FString Chr(TCHAR C) { return FString(std::u16string(1, C)); }

	template <typename FmtType, typename... Types>
	static FString Printf(const FmtType& Fmt, Types... Args)
	{
		return FString(Standin::Format::Format(Fmt, Args...));
	}

	friend uint32 GetTypeHash(const FString& String);

private:
	void RangeCheck(int32 Index) const
	{
		checkf(IsValidIndex(Index), TEXT("String index out of bounds: Index %i from a string with a length of %i"), Index, Len());
	}

	std::u16string Data;
};

uint32 GetTypeHash(const FString& String);
