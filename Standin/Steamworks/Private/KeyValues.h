// Valve's KeyValues text (libraryfolders.vdf, appmanifest_<id>.acf): "key" "value" pairs and
// "key" { ... } blocks. A pure function over text; what cannot be read ends the parse quietly with
// what was read so far.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace SteamStandin
{
struct KeyValue
{
	std::string Key;
	std::string Value; // unescaped; empty for a block
	std::vector<KeyValue> Children;
	bool bBlock = false;

	// The first child with this key, compared without regard to ASCII case (as Steam does).
	const KeyValue* Find(std::string_view Name) const;
};

std::vector<KeyValue> ParseKeyValues(std::string_view Text);

bool EqualsNoCase(std::string_view A, std::string_view B);
} // namespace SteamStandin
