// ISteamApps::GetAppInstallDir: the client's folder from the registry (or client.json), its library
// list in either libraryfolders.vdf format, and the app manifest's installdir.
#include "SteamMachine.h"

#include <cstring>

class SteamAppInstallTest : public SteamMachineTest
{
protected:
	std::filesystem::path SteamApps() const
	{
		return Machine / "drives" / "c" / "Program Files (x86)" / "Steam" / "steamapps";
	}

	std::string InstallDir(AppId_t App, uint32* Bytes = nullptr)
	{
		char Buffer[2048];
		std::memset(Buffer, 'x', sizeof(Buffer));
		const uint32 Written = ::SteamApps()->GetAppInstallDir(App, Buffer, sizeof(Buffer));
		if (Bytes)
		{
			*Bytes = Written;
		}
		return Buffer;
	}

	void WriteManifest(const std::filesystem::path& Library, const std::string& InstallDirName)
	{
		WriteFile(Library / "steamapps" / "appmanifest_731904.acf",
				  "\"AppState\"\n{\n\t\"appid\"\t\t\"731904\"\n\t\"installdir\"\t\t\"" + InstallDirName + "\"\n}\n");
	}
};

TEST_F(SteamAppInstallTest, SampleMachineFindsTheGameOnTheSecondLibrary)
{
	ASSERT_TRUE(SteamAPI_Init());
	uint32 Bytes = 0;
	const std::string Folder = InstallDir(DrovikAppId, &Bytes);
	EXPECT_EQ(Folder, "D:\\SteamLibrary\\steamapps\\common\\DrovikVR");
	EXPECT_EQ(Bytes, Folder.size() + 1);
	EXPECT_TRUE(std::filesystem::exists(Standin::Machine::ToHostPath(Folder + "\\Drovik.exe")));
}

TEST_F(SteamAppInstallTest, AppNotInstalledGivesZeroAndAnEmptyString)
{
	ASSERT_TRUE(SteamAPI_Init());
	uint32 Bytes = 7;
	EXPECT_EQ(InstallDir(480, &Bytes), "");
	EXPECT_EQ(Bytes, 0u);
}

TEST_F(SteamAppInstallTest, OldLibraryFormatWithTheSteamFolderImplicit)
{
	WriteFile(SteamApps() / "libraryfolders.vdf", "\"LibraryFolders\"\n{\n"
												  "\t\"TimeNextStatsReport\"\t\t\"1558451506\"\n"
												  "\t\"ContentStatsID\"\t\t\"7825075166457755736\"\n"
												  "\t\"1\"\t\t\"E:\\\\Games\\\\Steam Library\"\n}\n");
	WriteManifest(Machine / "drives" / "e" / "Games" / "Steam Library", "Drovik");
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(InstallDir(DrovikAppId), "E:\\Games\\Steam Library\\steamapps\\common\\Drovik");
}

TEST_F(SteamAppInstallTest, SteamFolderIsSearchedFirst)
{
	WriteManifest(SteamApps().parent_path(), "DrovikOnC");
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(InstallDir(DrovikAppId), "C:\\Program Files (x86)\\Steam\\steamapps\\common\\DrovikOnC");
}

TEST_F(SteamAppInstallTest, InstallPathInClientJsonWinsOverTheRegistry)
{
	const std::filesystem::path Other = Machine / "drives" / "f" / "Steam";
	WriteFile(Other / "steamapps" / "libraryfolders.vdf", "\"libraryfolders\" { }");
	WriteManifest(Other, "DrovikF");
	SetClient({{"installPath", "F:/Steam/"}});
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(InstallDir(DrovikAppId), "F:\\Steam\\steamapps\\common\\DrovikF");
}

TEST_F(SteamAppInstallTest, NoRegistryValueAndNoInstallPathFindsNothing)
{
	WriteFile(Machine / "registry.reg", "Windows Registry Editor Version 5.00\r\n");
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(InstallDir(DrovikAppId), "");
}

TEST_F(SteamAppInstallTest, ShortBufferIsCutAndTerminated)
{
	ASSERT_TRUE(SteamAPI_Init());
	char Buffer[8];
	EXPECT_EQ(::SteamApps()->GetAppInstallDir(DrovikAppId, Buffer, sizeof(Buffer)), 8u);
	EXPECT_STREQ(Buffer, "D:\\Stea");
}

TEST_F(SteamAppInstallTest, BrokenLibraryFileStillSearchesTheSteamFolder)
{
	WriteFile(SteamApps() / "libraryfolders.vdf", "\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\" ");
	WriteManifest(SteamApps().parent_path(), "DrovikVR");
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(InstallDir(DrovikAppId), "C:\\Program Files (x86)\\Steam\\steamapps\\common\\DrovikVR");
}
