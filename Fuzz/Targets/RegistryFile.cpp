// The .reg reader of the Windows registry stand-in: any bytes decode and parse without crashing, and
// whatever is found can be looked up again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Standin/RegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	using namespace Standin::Registry;
	const std::u16string Text = DecodeText(std::string_view(reinterpret_cast<const char*>(Data), Size));
	const File Parsed = Parse(Text);
	for (const Key& Entry : Parsed.Keys)
	{
		if (!Parsed.HasKey(Entry.Path) || Parsed.FindKey(Entry.Path) == nullptr)
		{
			__builtin_trap(); // a parsed key must be found by its own path
		}
		for (const Value& Item : Entry.Values)
		{
			std::string Utf8;
			ReadString(Item, Utf8);
			if (Entry.FindValue(Item.Name) == nullptr)
			{
				__builtin_trap();
			}
		}
		NormalizeKeyPath(Entry.Path);
	}
	return 0;
}
