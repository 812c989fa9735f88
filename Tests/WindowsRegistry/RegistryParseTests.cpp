// The .reg parser: value types as regedit writes them, continuation lines, encodings, and lines it
// cannot read (skipped, never fatal).
#include "Standin/Machine.h"
#include "Standin/RegistryFile.h"

#include <gtest/gtest.h>
#include <random>

using namespace Standin::Registry;

namespace
{
std::vector<std::uint8_t> Utf16Le(std::u16string_view Text)
{
	std::vector<std::uint8_t> Out;
	for (char16_t C : Text)
	{
		Out.push_back(static_cast<std::uint8_t>(C & 0xFF));
		Out.push_back(static_cast<std::uint8_t>(C >> 8));
	}
	return Out;
}

const char16_t* const Export = u"Windows Registry Editor Version 5.00\r\n"
							   u"\r\n"
							   u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam]\r\n"
							   u"\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Steam\"\r\n"
							   u"\"Quoted\"=\"say \\\"hi\\\"\"\r\n"
							   u"\"SteamPID\"=dword:0000001f\r\n"
							   u"@=\"default\"\r\n"
							   u"\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
							   u"\"Blob\"=hex:01,02,\\\r\n"
							   u"  03,ff\r\n"
							   u"\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
							   u"\"Empty\"=hex:\r\n"
							   u"; a comment\r\n"
							   u"[HKEY_CURRENT_USER\\Software\\Drovik]\r\n"
							   u"\"Name\"=\"J\u00fcrgen\"\r\n";
} // namespace

TEST(RegistryParse, ValueTypesAndData)
{
	const File Registry = Parse(Export);
	EXPECT_TRUE(Registry.SkippedLines.empty());
	const std::u16string_view Steam = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam";

	const Value* Install = Registry.FindValue(Steam, u"InstallPath");
	ASSERT_NE(Install, nullptr);
	EXPECT_EQ(Install->Type, TypeString);
	EXPECT_EQ(Install->Data, Utf16Le(std::u16string_view(u"C:\\Program Files (x86)\\Steam\0", 29)));
	std::string Text;
	EXPECT_TRUE(ReadString(*Install, Text));
	EXPECT_EQ(Text, "C:\\Program Files (x86)\\Steam");

	ASSERT_TRUE(ReadString(*Registry.FindValue(Steam, u"Quoted"), Text));
	EXPECT_EQ(Text, "say \"hi\"");

	const Value* Pid = Registry.FindValue(Steam, u"SteamPID");
	ASSERT_NE(Pid, nullptr);
	EXPECT_EQ(Pid->Type, TypeDword);
	EXPECT_EQ(Pid->Data, (std::vector<std::uint8_t>{0x1f, 0, 0, 0}));
	EXPECT_FALSE(ReadString(*Pid, Text));

	ASSERT_TRUE(ReadString(*Registry.FindValue(Steam, u""), Text));
	EXPECT_EQ(Text, "default");

	const Value* Expand = Registry.FindValue(Steam, u"Expand");
	ASSERT_NE(Expand, nullptr);
	EXPECT_EQ(Expand->Type, TypeExpandString);
	ASSERT_TRUE(ReadString(*Expand, Text));
	EXPECT_EQ(Text, "%A%");

	const Value* Blob = Registry.FindValue(Steam, u"Blob");
	ASSERT_NE(Blob, nullptr);
	EXPECT_EQ(Blob->Type, TypeBinary);
	EXPECT_EQ(Blob->Data, (std::vector<std::uint8_t>{1, 2, 3, 0xff}));
	EXPECT_EQ(Registry.FindValue(Steam, u"Multi")->Type, TypeMultiString);
	EXPECT_TRUE(Registry.FindValue(Steam, u"Empty")->Data.empty());

	ASSERT_TRUE(ReadString(*Registry.FindValue(u"HKCU\\Software\\Drovik", u"name"), Text));
	EXPECT_EQ(Text, "J\xC3\xBCrgen");
}

TEST(RegistryParse, KeysAndNamesIgnoreCaseAndParentsExist)
{
	const File Registry = Parse(Export);
	EXPECT_NE(Registry.FindValue(u"hklm\\software\\WOW6432NODE\\valve\\steam\\", u"installpath"), nullptr);
	EXPECT_TRUE(Registry.HasKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve"));
	EXPECT_TRUE(Registry.HasKey(u"HKEY_LOCAL_MACHINE"));
	EXPECT_FALSE(Registry.HasKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Val"));
	EXPECT_EQ(Registry.FindKey(u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve"), nullptr);
	EXPECT_FALSE(Registry.HasKey(u"NOT_A_HIVE\\Software"));
}

TEST(RegistryParse, BrokenLinesAreSkippedAndTheRestIsRead)
{
	const File Registry = Parse(u"Windows Registry Editor Version 5.00\n"
								u"\"Orphan\"=\"before any key\"\n"					  // 2
								u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\n"
								u"\"Unterminated\"=\"text\n"						  // 4
								u"\"BadDword\"=dword:xyz\n"						  // 5
								u"\"LongDword\"=dword:123456789\n"				  // 6
								u"\"BadHex\"=hex:01,zz\n"						  // 7
								u"\"Trailing\"=\"a\" junk\n"						  // 8
								u"NoQuotes=\"x\"\n"								  // 9
								u"\"Spaced\" = dword:00000002\n"
								u"[NOT_A_HIVE\\X]\n"							  // 11
								u"\"Lost\"=\"after a broken key\"\n"				  // 12
								u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test2\n"		  // 13
								u"\"Good\"=\"not in Test\"\n");					  // 14
	EXPECT_EQ(Registry.SkippedLines, (std::vector<int>{2, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14}));
	EXPECT_EQ(Registry.FindValue(u"HKLM\\SOFTWARE\\Test", u"Good"), nullptr);
	ASSERT_NE(Registry.FindValue(u"HKLM\\SOFTWARE\\Test", u"Spaced"), nullptr);
}

TEST(RegistryParse, DeletionsAndLaterValuesWin)
{
	const File Registry = Parse(u"REGEDIT4\n"
								u"[HKEY_LOCAL_MACHINE\\A\\B]\n\"X\"=\"1\"\n\"x\"=\"2\"\n\"Gone\"=\"g\"\n\"Gone\"=-\n"
								u"[HKEY_LOCAL_MACHINE\\A\\C]\n\"Y\"=\"y\"\n"
								u"[-HKEY_LOCAL_MACHINE\\A\\C]\n");
	std::string Text;
	ASSERT_TRUE(ReadString(*Registry.FindValue(u"HKLM\\A\\B", u"X"), Text));
	EXPECT_EQ(Text, "2");
	EXPECT_EQ(Registry.FindValue(u"HKLM\\A\\B", u"Gone"), nullptr);
	EXPECT_FALSE(Registry.HasKey(u"HKLM\\A\\C"));
}

TEST(RegistryParse, DecodesUtf16WithAndWithoutMarkAndUtf8)
{
	const std::u16string Text = u"Windows Registry Editor Version 5.00\r\n[HKEY_LOCAL_MACHINE\\S]\r\n\"N\"=\"\u00e9\"\r\n";
	std::string Marked = "\xFF\xFE";
	for (std::uint8_t Byte : Utf16Le(Text))
	{
		Marked += static_cast<char>(Byte);
	}
	EXPECT_EQ(DecodeText(Marked), Text);
	EXPECT_EQ(DecodeText(Marked.substr(2)), Text);
	EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + Standin::Machine::ToUtf8(Text)), Text);
	EXPECT_EQ(DecodeText(Standin::Machine::ToUtf8(Text)), Text);
}

// The parser is a pure function over text: random damage never crashes it.
TEST(RegistryParse, SurvivesRandomDamage)
{
	const std::u16string Original = Export;
	std::mt19937 Random(1234);
	const std::u16string Alphabet = u"[]\\\"=@:,-;\r\n hexdword()0123456789abcdef\u00e9";
	for (int Round = 0; Round < 3000; ++Round)
	{
		std::u16string Text = Original;
		const int Edits = 1 + static_cast<int>(Random() % 8);
		for (int E = 0; E < Edits && !Text.empty(); ++E)
		{
			const size_t At = Random() % Text.size();
			switch (Random() % 3)
			{
			case 0:
				Text.erase(At, 1 + Random() % 5);
				break;
			case 1:
				Text.insert(At, 1, Alphabet[Random() % Alphabet.size()]);
				break;
			default:
				Text[At] = static_cast<char16_t>(Random() % 0x10000);
			}
		}
		const File Registry = Parse(Text);
		for (const Key& Entry : Registry.Keys)
		{
			EXPECT_FALSE(NormalizeKeyPath(Entry.Path).empty());
		}
	}
}
