// RegOpenKeyExW, RegQueryValueExW and RegCloseKey over a temporary machine's registry.reg, used the
// way the plugin reads the Steam folder: size query first, then the data.
#include "Standin/Machine.h"
#include "TestFiles.h"
#include "Windows/AllowWindowsPlatformTypes.h"
#include "Windows/WindowsHWrapper.h"
#include "Windows/HideWindowsPlatformTypes.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
const char16_t* const SteamKey = u"SOFTWARE\\Wow6432Node\\Valve\\Steam";

class RegistryApiTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Standin::Machine::SetRoot(Machine.Path());
		WriteUtf8("Windows Registry Editor Version 5.00\r\n\r\n"
				  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam]\r\n"
				  "\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Steam\"\r\n"
				  "\"SteamPID\"=dword:00001234\r\n"
				  "\"Empty\"=\"\"\r\n");
	}

	void WriteUtf8(const std::string& Text) { LevelwrightTest::WriteFile(Machine.Path() / "registry.reg", Text); }

	HKEY OpenSteam()
	{
		HKEY Key = nullptr;
		EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, SteamKey, 0, KEY_READ, &Key), ERROR_SUCCESS);
		return Key;
	}

	LevelwrightTest::FTempDir Machine;
};
} // namespace

TEST_F(RegistryApiTest, StringSizeIncludesTheTerminatorAndDataFollowsIt)
{
	HKEY Key = OpenSteam();
	DWORD Type = 0;
	DWORD Size = 0;
	ASSERT_EQ(RegQueryValueExW(Key, u"InstallPath", nullptr, &Type, nullptr, &Size), ERROR_SUCCESS);
	EXPECT_EQ(Type, static_cast<DWORD>(REG_SZ));
	const std::u16string Expected = u"C:\\Program Files (x86)\\Steam";
	EXPECT_EQ(Size, (Expected.size() + 1) * 2);

	std::vector<WCHAR> Buffer(Size / 2, u'#');
	DWORD Room = Size;
	ASSERT_EQ(RegQueryValueExW(Key, u"InstallPath", nullptr, &Type, reinterpret_cast<LPBYTE>(Buffer.data()), &Room),
			  ERROR_SUCCESS);
	EXPECT_EQ(Room, Size);
	EXPECT_EQ(std::u16string(Buffer.data(), Expected.size()), Expected);
	EXPECT_EQ(Buffer.back(), u'\0');
	EXPECT_EQ(RegCloseKey(Key), ERROR_SUCCESS);
}

TEST_F(RegistryApiTest, ShortBufferGivesMoreDataAndTheNeededSize)
{
	HKEY Key = OpenSteam();
	std::vector<WCHAR> Buffer(4, u'#');
	DWORD Room = 8;
	EXPECT_EQ(RegQueryValueExW(Key, u"InstallPath", nullptr, nullptr, reinterpret_cast<LPBYTE>(Buffer.data()), &Room),
			  ERROR_MORE_DATA);
	EXPECT_EQ(Room, 58u);
	EXPECT_EQ(RegQueryValueExW(Key, u"InstallPath", nullptr, nullptr, reinterpret_cast<LPBYTE>(Buffer.data()), nullptr),
			  ERROR_INVALID_PARAMETER);
	RegCloseKey(Key);
}

TEST_F(RegistryApiTest, NonStringValueAndEmptyString)
{
	HKEY Key = OpenSteam();
	DWORD Type = 0;
	DWORD Data = 0;
	DWORD Size = sizeof(Data);
	ASSERT_EQ(RegQueryValueExW(Key, u"steampid", nullptr, &Type, reinterpret_cast<LPBYTE>(&Data), &Size),
			  ERROR_SUCCESS);
	EXPECT_EQ(Type, static_cast<DWORD>(REG_DWORD));
	EXPECT_EQ(Size, 4u);
	EXPECT_EQ(Data, 0x1234u);
	ASSERT_EQ(RegQueryValueExW(Key, u"Empty", nullptr, &Type, nullptr, &Size), ERROR_SUCCESS);
	EXPECT_EQ(Type, static_cast<DWORD>(REG_SZ));
	EXPECT_EQ(Size, 2u);
	RegCloseKey(Key);
}

TEST_F(RegistryApiTest, MissingKeysValuesAndHandles)
{
	HKEY Key = reinterpret_cast<HKEY>(1);
	EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Valve\\Steam", 0, KEY_READ, &Key), ERROR_FILE_NOT_FOUND);
	EXPECT_EQ(Key, nullptr);
	EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, SteamKey, 0, KEY_READ, &Key), ERROR_FILE_NOT_FOUND);
	EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, SteamKey, 0, KEY_WRITE, &Key), ERROR_ACCESS_DENIED);

	Key = OpenSteam();
	DWORD Size = 0;
	EXPECT_EQ(RegQueryValueExW(Key, u"Missing", nullptr, nullptr, nullptr, &Size), ERROR_FILE_NOT_FOUND);
	EXPECT_EQ(RegCloseKey(Key), ERROR_SUCCESS);
	EXPECT_EQ(RegCloseKey(Key), ERROR_INVALID_HANDLE);
	EXPECT_EQ(RegQueryValueExW(Key, u"InstallPath", nullptr, nullptr, nullptr, &Size), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryApiTest, SubKeyOfAnOpenKey)
{
	HKEY Valve = nullptr;
	ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Wow6432Node\\Valve", 0, KEY_READ, &Valve), ERROR_SUCCESS);
	HKEY Steam = nullptr;
	ASSERT_EQ(RegOpenKeyExW(Valve, u"steam", 0, KEY_READ, &Steam), ERROR_SUCCESS);
	DWORD Size = 0;
	EXPECT_EQ(RegQueryValueExW(Steam, u"InstallPath", nullptr, nullptr, nullptr, &Size), ERROR_SUCCESS);
	EXPECT_EQ(RegCloseKey(Steam), ERROR_SUCCESS);
	EXPECT_EQ(RegCloseKey(Valve), ERROR_SUCCESS);
}

TEST_F(RegistryApiTest, Utf16FileAsRegeditWritesIt)
{
	const std::u16string Text = u"Windows Registry Editor Version 5.00\r\n\r\n"
								u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam]\r\n"
								u"\"InstallPath\"=\"D:\\\\J\u00fcrgen\\\\Steam\"\r\n";
	std::string Bytes = "\xFF\xFE";
	for (char16_t C : Text)
	{
		Bytes += static_cast<char>(C & 0xFF);
		Bytes += static_cast<char>(C >> 8);
	}
	WriteUtf8(Bytes);
	HKEY Key = OpenSteam();
	WCHAR Buffer[64] = {};
	DWORD Size = sizeof(Buffer);
	ASSERT_EQ(RegQueryValueExW(Key, u"InstallPath", nullptr, nullptr, reinterpret_cast<LPBYTE>(Buffer), &Size),
			  ERROR_SUCCESS);
	EXPECT_EQ(std::u16string(Buffer), u"D:\\J\u00fcrgen\\Steam");
	EXPECT_EQ(Size, 32u); // 15 characters and the terminator
	RegCloseKey(Key);
}

TEST_F(RegistryApiTest, NoRegistryFileMeansNoKey)
{
	std::filesystem::remove(Machine.Path() / "registry.reg");
	HKEY Key = nullptr;
	EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, SteamKey, 0, KEY_READ, &Key), ERROR_FILE_NOT_FOUND);
}
