#include "RegistryText.h"
#include "Standin/Machine.h"
#include "Standin/RegistryFile.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

namespace Standin::Registry
{
namespace
{
constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 5> Hives = {{
	{u"HKEY_CLASSES_ROOT", u"HKCR"},
	{u"HKEY_CURRENT_USER", u"HKCU"},
	{u"HKEY_LOCAL_MACHINE", u"HKLM"},
	{u"HKEY_USERS", u"HKU"},
	{u"HKEY_CURRENT_CONFIG", u"HKCC"},
}};
} // namespace

const Key* File::FindKey(std::u16string_view Path) const
{
	const std::u16string Wanted = NormalizeKeyPath(Path);
	for (const Key& Entry : Keys)
	{
		if (EqualsNoCase(Entry.Path, Wanted))
		{
			return &Entry;
		}
	}
	return nullptr;
}

bool File::HasKey(std::u16string_view Path) const
{
	const std::u16string Wanted = NormalizeKeyPath(Path);
	if (Wanted.empty())
	{
		return false;
	}
	return std::any_of(Keys.begin(), Keys.end(), [&](const Key& Entry) {
		return EqualsNoCase(Entry.Path, Wanted) || IsUnder(Entry.Path, Wanted);
	});
}

const Value* Key::FindValue(std::u16string_view Name) const
{
	for (const Value& Item : Values)
	{
		if (EqualsNoCase(Item.Name, Name))
		{
			return &Item;
		}
	}
	return nullptr;
}

const Value* File::FindValue(std::u16string_view KeyPath, std::u16string_view Name) const
{
	const Key* Entry = FindKey(KeyPath);
	return Entry ? Entry->FindValue(Name) : nullptr;
}

std::u16string DecodeText(std::string_view Bytes)
{
	const bool bMarked =
		Bytes.size() >= 2 && static_cast<unsigned char>(Bytes[0]) == 0xFF && static_cast<unsigned char>(Bytes[1]) == 0xFE;
	// Without a mark, "W\0i\0n\0..." is still recognisably UTF-16LE.
	const bool bUnmarked = !bMarked && Bytes.size() >= 2 && Bytes[0] != 0 && Bytes[1] == 0;
	if (bMarked || bUnmarked)
	{
		std::u16string Out;
		Out.reserve(Bytes.size() / 2);
		for (size_t I = bMarked ? 2 : 0; I + 1 < Bytes.size(); I += 2)
		{
			Out += static_cast<char16_t>(static_cast<unsigned char>(Bytes[I]) |
										 (static_cast<unsigned char>(Bytes[I + 1]) << 8));
		}
		return Out;
	}
	if (Bytes.starts_with("\xEF\xBB\xBF"))
	{
		Bytes.remove_prefix(3);
	}
	return Machine::ToUtf16(Bytes);
}

std::u16string NormalizeKeyPath(std::u16string_view Path)
{
	std::vector<std::u16string_view> Parts;
	size_t Start = 0;
	while (Start <= Path.size())
	{
		const size_t End = std::min(Path.find(u'\\', Start), Path.size());
		if (End > Start)
		{
			Parts.push_back(Path.substr(Start, End - Start));
		}
		Start = End + 1;
	}
	if (Parts.empty())
	{
		return {};
	}
	auto Hive = std::find_if(Hives.begin(), Hives.end(), [&](const auto& Entry) {
		return EqualsNoCase(Parts[0], Entry.first) || EqualsNoCase(Parts[0], Entry.second);
	});
	if (Hive == Hives.end())
	{
		return {};
	}
	std::u16string Out(Hive->first);
	for (size_t I = 1; I < Parts.size(); ++I)
	{
		Out += u'\\';
		Out += Parts[I];
	}
	return Out;
}

File LoadMachineRegistry()
{
	const std::filesystem::path Root = Machine::Root();
	if (Root.empty())
	{
		static std::once_flag Reported;
		std::call_once(Reported, [] {
			std::fprintf(stderr, "Standin: Error: the registry needs a stand-in machine, but LEVELWRIGHT_MACHINE is not set\n");
		});
		return {};
	}
	std::ifstream Stream(Root / "registry.reg", std::ios::binary);
	if (!Stream)
	{
		return {};
	}
	const std::string Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	return Parse(DecodeText(Bytes));
}

bool ReadString(const Value& Entry, std::string& OutUtf8)
{
	if (Entry.Type != TypeString && Entry.Type != TypeExpandString)
	{
		return false;
	}
	std::u16string Text;
	for (size_t I = 0; I + 1 < Entry.Data.size(); I += 2)
	{
		const char16_t C = static_cast<char16_t>(Entry.Data[I] | (Entry.Data[I + 1] << 8));
		if (C == 0)
		{
			break;
		}
		Text += C;
	}
	OutUtf8 = Machine::ToUtf8(Text);
	return true;
}
} // namespace Standin::Registry
