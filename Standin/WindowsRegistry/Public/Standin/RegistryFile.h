// The stand-in machine's registry: a Windows .reg export (registry.reg in the machine folder).
//
// The parser is a pure function over text, so it can be fuzzed and tested without files: every line
// it cannot read is skipped and listed in SkippedLines, it never throws or crashes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Standin::Registry
{
// Value types, with the numbers Windows uses (REG_SZ and friends in Windows/WindowsHWrapper.h).
enum ValueType : std::uint32_t
{
	TypeNone = 0,
	TypeString = 1,
	TypeExpandString = 2,
	TypeBinary = 3,
	TypeDword = 4,
	TypeMultiString = 7,
	TypeQword = 11,
};

struct Value
{
	std::u16string Name; // empty for the key's default value ("@")
	std::uint32_t Type = TypeNone;
	std::vector<std::uint8_t> Data; // as Windows stores it: strings are UTF-16LE with their terminating zero
};

struct Key
{
	std::u16string Path; // full path with the hive's long name, e.g. HKEY_LOCAL_MACHINE\SOFTWARE\Valve
	std::vector<Value> Values;

	// Value names compare without regard to ASCII case; an empty name is the default value.
	const Value* FindValue(std::u16string_view Name) const;
};

struct File
{
	std::vector<Key> Keys;
	std::vector<int> SkippedLines; // 1-based numbers of the lines that could not be read

	// Key paths and value names compare without regard to ASCII case, as in the registry.
	const Key* FindKey(std::u16string_view Path) const;
	// A key exists when it has a section of its own or any key below it has one (as a parent of a
	// .reg section exists in the registry even when the export does not list it).
	bool HasKey(std::u16string_view Path) const;
	const Value* FindValue(std::u16string_view KeyPath, std::u16string_view Name) const;
};

// Text of a .reg file: UTF-16LE with a byte-order mark (as regedit writes it), UTF-8 with or without
// a mark, or plain ASCII.
std::u16string DecodeText(std::string_view Bytes);

// Parses the text of a .reg file ("Windows Registry Editor Version 5.00" or "REGEDIT4" first).
File Parse(std::u16string_view Text);

// Canonical key path: hive abbreviations (HKLM, HKCU, ...) spelled out, empty parts and trailing
// backslashes removed. Empty when the path does not start with a known hive.
std::u16string NormalizeKeyPath(std::u16string_view Path);

// The machine's registry.reg, parsed; an empty File when the machine has none (with a message on
// stderr when no machine is set at all).
File LoadMachineRegistry();

// A REG_SZ or REG_EXPAND_SZ value as UTF-8, cut at its first zero character; false for other types.
bool ReadString(const Value& Entry, std::string& OutUtf8);
} // namespace Standin::Registry
