#include "Containers/UnrealString.h"

#include <algorithm>

namespace
{
bool CharsEqual(TCHAR A, TCHAR B, ESearchCase::Type SearchCase)
{
	return SearchCase == ESearchCase::CaseSensitive ? A == B : FChar::ToLower(A) == FChar::ToLower(B);
}

bool MatchesAt(const std::u16string& Text, int32 Position, const TCHAR* Sub, int32 SubLen, ESearchCase::Type SearchCase)
{
	if (Position < 0 || Position + SubLen > static_cast<int32>(Text.size()))
	{
		return false;
	}
	if (SearchCase == ESearchCase::CaseSensitive)
	{
		return std::u16string_view(Text).substr(Position, SubLen) == std::u16string_view(Sub, SubLen);
	}
	for (int32 I = 0; I < SubLen; ++I)
	{
		if (!CharsEqual(Text[Position + I], Sub[I], SearchCase))
		{
			return false;
		}
	}
	return true;
}
} // namespace

FString::FString(const ANSICHAR* Text)
{
	if (Text)
	{
		for (const ANSICHAR* C = Text; *C; ++C)
		{
			Data += static_cast<TCHAR>(static_cast<unsigned char>(*C));
		}
	}
}

FString& FString::PathAppend(const TCHAR* Text, int32 Count)
{
	if (Count == 0)
	{
		if (!Data.empty() && Data.back() != u'/' && Data.back() != u'\\')
		{
			Data += u'/';
		}
		return *this;
	}
	if (!Data.empty() && Data.back() != u'/' && Data.back() != u'\\' && Text[0] != u'/')
	{
		Data += u'/';
	}
	Data.append(Text, Count);
	return *this;
}

bool FString::Equals(const FString& Other, ESearchCase::Type SearchCase) const
{
	return Data.size() == Other.Data.size() && MatchesAt(Data, 0, Other.Data.c_str(), Other.Len(), SearchCase);
}

int32 FString::Compare(const FString& Other, ESearchCase::Type SearchCase) const
{
	return SearchCase == ESearchCase::CaseSensitive ? FCString::Strcmp(**this, *Other) : FCString::Stricmp(**this, *Other);
}

int32 FString::Find(const TCHAR* SubStr, ESearchCase::Type SearchCase, ESearchDir::Type SearchDir, int32 StartPosition) const
{
	if (SubStr == nullptr)
	{
		return INDEX_NONE;
	}
	const int32 SubLen = FCString::Strlen(SubStr);
	if (SearchDir == ESearchDir::FromStart)
	{
		int32 Start = 0;
		if (StartPosition != INDEX_NONE && Len() > 0)
		{
			Start = std::clamp(StartPosition, 0, Len() - 1);
		}
		for (int32 I = Start; I + SubLen <= Len(); ++I)
		{
			if (MatchesAt(Data, I, SubStr, SubLen, SearchCase))
			{
				return I;
			}
		}
		return INDEX_NONE;
	}
	if (StartPosition == INDEX_NONE || StartPosition >= Len())
	{
		StartPosition = Len();
	}
	for (int32 I = StartPosition - std::max(1, SubLen); I >= 0; --I)
	{
		if (MatchesAt(Data, I, SubStr, SubLen, SearchCase))
		{
			return I;
		}
	}
	return INDEX_NONE;
}

bool FString::FindChar(TCHAR C, int32& OutIndex) const
{
	const auto Position = Data.find(C);
	OutIndex = Position == std::u16string::npos ? INDEX_NONE : static_cast<int32>(Position);
	return OutIndex != INDEX_NONE;
}

bool FString::FindLastChar(TCHAR C, int32& OutIndex) const
{
	const auto Position = Data.rfind(C);
	OutIndex = Position == std::u16string::npos ? INDEX_NONE : static_cast<int32>(Position);
	return OutIndex != INDEX_NONE;
}

bool FString::StartsWith(const FString& Prefix, ESearchCase::Type SearchCase) const
{
	return !Prefix.IsEmpty() && MatchesAt(Data, 0, *Prefix, Prefix.Len(), SearchCase);
}

bool FString::EndsWith(const FString& Suffix, ESearchCase::Type SearchCase) const
{
	return !Suffix.IsEmpty() && MatchesAt(Data, Len() - Suffix.Len(), *Suffix, Suffix.Len(), SearchCase);
}

FString FString::Replace(const TCHAR* From, const TCHAR* To, ESearchCase::Type SearchCase) const
{
	FString Result(*this);
	Result.ReplaceInline(From, To ? To : u"", SearchCase);
	return Result;
}

int32 FString::ReplaceInline(const TCHAR* Search, const TCHAR* Replacement, ESearchCase::Type SearchCase)
{
	if (IsEmpty() || Search == nullptr || *Search == 0 || Replacement == nullptr)
	{
		return 0;
	}
	const std::u16string_view SearchText(Search);
	const int32 SearchLen = static_cast<int32>(SearchText.size());
	// A search without letters (a slash, say) matches the same in either case: find it directly.
	const bool bExact = SearchCase == ESearchCase::CaseSensitive ||
						std::none_of(SearchText.begin(), SearchText.end(), [](TCHAR C) { return FChar::ToLower(C) != C || FChar::ToUpper(C) != C; });
	auto FindFrom = [&](int32 From) -> int32 {
		if (bExact)
		{
			const size_t Found = Data.find(SearchText, From);
			return Found == std::u16string::npos ? Len() : static_cast<int32>(Found);
		}
		while (From + SearchLen <= Len() && !MatchesAt(Data, From, Search, SearchLen, SearchCase))
		{
			++From;
		}
		return From + SearchLen <= Len() ? From : Len();
	};
	// Most calls find nothing to replace (paths already in forward slashes): they copy nothing.
	std::u16string Result;
	int32 Count = 0;
	int32 Copied = 0;
	for (int32 I = FindFrom(0); I < Len(); I = FindFrom(I))
	{
		if (Count++ == 0)
		{
			Result.reserve(Data.size());
		}
		Result.append(Data, Copied, I - Copied);
		Result += Replacement;
		I += SearchLen;
		Copied = I;
	}
	if (Count > 0)
	{
		Result.append(Data, Copied);
		Data = std::move(Result);
	}
	return Count;
}

FString FString::Left(int32 Count) const
{
	return FString(Data.substr(0, std::clamp(Count, 0, Len())));
}

FString FString::LeftChop(int32 Count) const
{
	return FString(Data.substr(0, std::clamp(Len() - Count, 0, Len())));
}

FString FString::Right(int32 Count) const
{
	const int32 Keep = std::clamp(Count, 0, Len());
	return FString(Data.substr(Len() - Keep));
}

FString FString::RightChop(int32 Count) const
{
	return FString(Data.substr(std::clamp(Count, 0, Len())));
}

FString FString::Mid(int32 Start, int32 Count) const
{
	if (Count < 0)
	{
		return FString();
	}
	const int64 End = std::clamp<int64>(static_cast<int64>(Start) + Count, 0, Len());
	const int32 Begin = std::clamp(Start, 0, Len());
	return End > Begin ? FString(Data.substr(Begin, End - Begin)) : FString();
}

bool FString::RemoveFromStart(const FString& Prefix, ESearchCase::Type SearchCase)
{
	if (!StartsWith(Prefix, SearchCase))
	{
		return false;
	}
	Data.erase(0, Prefix.Len());
	return true;
}

bool FString::RemoveFromEnd(const FString& Suffix, ESearchCase::Type SearchCase)
{
	if (!EndsWith(Suffix, SearchCase))
	{
		return false;
	}
	Data.erase(Len() - Suffix.Len());
	return true;
}

FString FString::ToLower() const
{
	std::u16string Result(Data);
	std::transform(Result.begin(), Result.end(), Result.begin(), FChar::ToLower);
	return FString(std::move(Result));
}

FString FString::ToUpper() const
{
	std::u16string Result(Data);
	std::transform(Result.begin(), Result.end(), Result.begin(), FChar::ToUpper);
	return FString(std::move(Result));
}

FString FString::TrimStart() const
{
	int32 Begin = 0;
	while (Begin < Len() && FChar::IsWhitespace(Data[Begin]))
	{
		++Begin;
	}
	return RightChop(Begin);
}

FString FString::TrimEnd() const
{
	int32 End = Len();
	while (End > 0 && FChar::IsWhitespace(Data[End - 1]))
	{
		--End;
	}
	return Left(End);
}

bool FString::Split(const FString& InS, FString* LeftS, FString* RightS, ESearchCase::Type SearchCase,
					ESearchDir::Type SearchDir) const
{
	const int32 Position = Find(InS, SearchCase, SearchDir);
	if (Position == INDEX_NONE)
	{
		return false;
	}
	if (LeftS)
	{
		*LeftS = Left(Position);
	}
	if (RightS)
	{
		*RightS = Mid(Position + InS.Len());
	}
	return true;
}

int32 FString::ParseIntoArray(TArray<FString>& OutArray, const TCHAR* Delimiter, bool bCullEmpty) const
{
	OutArray.Reset();
	const int32 DelimiterLen = Delimiter ? FCString::Strlen(Delimiter) : 0;
	if (DelimiterLen == 0)
	{
		if (!IsEmpty() || !bCullEmpty)
		{
			OutArray.Add(*this);
		}
		return OutArray.Num();
	}
	int32 Start = 0;
	while (Start <= Len())
	{
		int32 Position = Find(Delimiter, ESearchCase::CaseSensitive, ESearchDir::FromStart, Start);
		if (Position != INDEX_NONE && Position < Start)
		{
			Position = INDEX_NONE;
		}
		const int32 End = Position == INDEX_NONE ? Len() : Position;
		FString Piece = Mid(Start, End - Start);
		if (!Piece.IsEmpty() || !bCullEmpty)
		{
			OutArray.Add(Piece);
		}
		if (Position == INDEX_NONE)
		{
			break;
		}
		Start = Position + DelimiterLen;
	}
	return OutArray.Num();
}

int32 FString::ParseIntoArrayLines(TArray<FString>& OutArray, bool bCullEmpty) const
{
	FString Unified = Replace(u"\r\n", u"\n", ESearchCase::CaseSensitive);
	Unified.ReplaceInline(u"\r", u"\n", ESearchCase::CaseSensitive);
	return Unified.ParseIntoArray(OutArray, u"\n", bCullEmpty);
}

FString FString::Join(const TArray<FString>& Parts, const TCHAR* Separator)
{
	FString Result;
	for (int32 I = 0; I < Parts.Num(); ++I)
	{
		if (I > 0)
		{
			Result += Separator;
		}
		Result += Parts[I];
	}
	return Result;
}

FString FString::FromInt(int32 Value)
{
	return Printf(TEXT("%d"), Value);
}

uint32 GetTypeHash(const FString& String)
{
	uint32 Hash = 2166136261u;
	for (TCHAR C : String.Data)
	{
		Hash = (Hash ^ FChar::ToLower(C)) * 16777619u;
	}
	return Hash;
}
