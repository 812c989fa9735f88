// Text helpers shared by the .reg parser and the registry's lookups.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace Standin::Registry
{
inline char16_t FoldCase(char16_t C)
{
	return (C >= u'a' && C <= u'z') ? static_cast<char16_t>(C - u'a' + u'A') : C;
}

inline std::u16string Folded(std::u16string_view Text)
{
	std::u16string Out(Text);
	std::transform(Out.begin(), Out.end(), Out.begin(), FoldCase);
	return Out;
}

inline bool EqualsNoCase(std::u16string_view A, std::u16string_view B)
{
	return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
											  [](char16_t X, char16_t Y) { return FoldCase(X) == FoldCase(Y); });
}

// True when Path names a key below Parent.
inline bool IsUnder(std::u16string_view Path, std::u16string_view Parent)
{
	return Path.size() > Parent.size() && Path[Parent.size()] == u'\\' &&
		   EqualsNoCase(Path.substr(0, Parent.size()), Parent);
}
} // namespace Standin::Registry
