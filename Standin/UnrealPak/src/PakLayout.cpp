#include "Standin/Pak/PakLayout.h"

#include <algorithm>

namespace Standin::Pak
{
namespace
{
char16_t ToLowerAscii(char16_t C)
{
	return C >= u'A' && C <= u'Z' ? static_cast<char16_t>(C + (u'a' - u'A')) : C;
}

bool EndsWithIgnoringCase(std::u16string_view Text, std::u16string_view Suffix)
{
	return Text.size() >= Suffix.size() && CompareIgnoringCase(Text.substr(Text.size() - Suffix.size()), Suffix) == 0;
}

// The folder part with its trailing '/', or "" for a bare file name.
std::u16string_view FolderWithSlash(std::u16string_view Path)
{
	const size_t Slash = Path.rfind(u'/');
	return Slash == std::u16string_view::npos ? std::u16string_view() : Path.substr(0, Slash + 1);
}

uint64_t AlignUp(uint64_t Value, uint64_t Align)
{
	return (Value + Align - 1) / Align * Align;
}
} // namespace

int CompareIgnoringCase(std::u16string_view A, std::u16string_view B)
{
	const size_t Common = std::min(A.size(), B.size());
	for (size_t I = 0; I < Common; ++I)
	{
		const char16_t LowerA = ToLowerAscii(A[I]);
		const char16_t LowerB = ToLowerAscii(B[I]);
		if (LowerA != LowerB)
		{
			return LowerA < LowerB ? -1 : 1;
		}
	}
	return A.size() == B.size() ? 0 : A.size() < B.size() ? -1 : 1;
}

void SortByDestination(std::vector<FPakInputPair>& Inputs)
{
	std::stable_sort(Inputs.begin(), Inputs.end(), [](const FPakInputPair& A, const FPakInputPair& B) {
		return CompareIgnoringCase(A.Dest, B.Dest) < 0;
	});
}

std::u16string ComputeMountPoint(const std::vector<std::u16string>& Destinations)
{
	std::u16string_view Root;
	size_t MostSlashes = 0;
	for (const std::u16string& Dest : Destinations)
	{
		const size_t Slashes = static_cast<size_t>(std::count(Dest.begin(), Dest.end(), u'/'));
		if (Slashes > MostSlashes)
		{
			MostSlashes = Slashes;
			Root = FolderWithSlash(Dest);
		}
	}
	for (const std::u16string& Dest : Destinations)
	{
		const std::u16string_view Folder = FolderWithSlash(Dest);
		size_t Common = 0;
		for (size_t I = 0; I < std::min(Root.size(), Folder.size()) && ToLowerAscii(Root[I]) == ToLowerAscii(Folder[I]); ++I)
		{
			Common = Root[I] == u'/' ? I + 1 : Common;
		}
		Root = Root.substr(0, Common);
	}
	return std::u16string(Root);
}

uint64_t PatchPadding(uint64_t Offset, uint64_t TotalSize, uint64_t Align)
{
	if (Align == 0 || TotalSize == 0)
	{
		return 0;
	}
	const bool bCrossesBoundary = AlignUp(Offset, Align) != AlignUp(Offset + TotalSize - 1, Align);
	return TotalSize >= Align || bCrossesBoundary ? AlignUp(Offset, Align) - Offset : 0;
}

bool IsUexpCompanion(std::u16string_view Asset, std::u16string_view Uexp)
{
	constexpr std::u16string_view AssetExtension = u".uasset";
	constexpr std::u16string_view UexpExtension = u".uexp";
	if (!EndsWithIgnoringCase(Asset, AssetExtension) || !EndsWithIgnoringCase(Uexp, UexpExtension))
	{
		return false;
	}
	const std::u16string_view AssetStem = Asset.substr(0, Asset.size() - AssetExtension.size());
	const std::u16string_view UexpStem = Uexp.substr(0, Uexp.size() - UexpExtension.size());
	return CompareIgnoringCase(AssetStem, UexpStem) == 0;
}
} // namespace Standin::Pak
