// The text the flood child writes, so that the test can check every byte and its order.
#pragma once

#include <cstddef>
#include <string>

namespace ProcessTest
{
constexpr size_t FloodBytes = size_t(10) << 20;

// 64-byte lines "<stream> <index> <letters rotated by index>\n" up to FloodBytes.
inline std::string FloodText(char Stream)
{
	std::string Text;
	Text.reserve(FloodBytes);
	for (size_t Index = 0; Text.size() < FloodBytes; ++Index)
	{
		std::string Line = std::string(1, Stream) + ' ' + std::to_string(100000000 + Index) + ' ';
		while (Line.size() < 63)
		{
			Line += static_cast<char>('a' + (Index + Line.size()) % 26);
		}
		Text += Line + '\n';
	}
	return Text;
}
} // namespace ProcessTest
