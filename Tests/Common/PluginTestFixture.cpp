#include "PluginTestFixture.h"

#include <chrono>
#include <random>
#include <thread>
#include <zlib.h>

#include "Modules/ModuleManager.h"
#include "SteamStandin.h"
#include "Standin/AsyncStandin.h"
#include "Standin/Log.h"
#include "Standin/Tickables.h"

namespace LevelwrightTest
{
void FPluginTest::SetUp()
{
	Standin::Log::KeepLines(true);
	Start();
}

void FPluginTest::TearDown()
{
	WaitIdle(30);
	ShutdownModule();
}

FLevelwrightModule& FPluginTest::StartModule()
{
	FModuleManager::Get().LoadModuleChecked(TEXT("Levelwright"));
	return Module();
}

FLevelwrightModule& FPluginTest::Module()
{
	return FLevelwrightModule::Get();
}

void FPluginTest::ShutdownModule()
{
	FModuleManager::Get().UnloadModule(TEXT("Levelwright"));
}

void FPluginTest::Tick(int Frames)
{
	for (int I = 0; I < Frames; ++I)
	{
		Standin::Async::RunGameThreadTasks();
		Standin::Editor::TickTickables(1.0f / 60.0f);
	}
}

bool FPluginTest::TickUntil(const std::function<bool()>& Predicate, double TimeoutSeconds)
{
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(TimeoutSeconds);
	while (!Predicate())
	{
		if (std::chrono::steady_clock::now() > Deadline)
		{
			return false;
		}
		Tick();
		std::this_thread::sleep_for(std::chrono::milliseconds(2));
	}
	return true;
}

bool FPluginTest::WaitIdle(double TimeoutSeconds)
{
	return TickUntil(
		[] {
			const bool bModuleBusy = FModuleManager::Get().IsModuleLoaded(TEXT("Levelwright")) && FLevelwrightModule::Get().bBusy.load();
			return !bModuleBusy && Standin::Async::IsIdle() && !SteamStandin_HasPendingResults();
		},
		TimeoutSeconds);
}

bool FPluginTest::LogHas(const std::string& Text) const
{
	return Standin::Log::Contains(Text);
}

std::vector<std::string> FPluginTest::LogLines() const
{
	return Standin::Log::GetLines();
}

int FPluginTest::CountLines(const std::string& Text) const
{
	int Count = 0;
	for (const std::string& Line : LogLines())
	{
		Count += Line.find(Text) != std::string::npos ? 1 : 0;
	}
	return Count;
}

std::vector<Standin::Dialogs::FShownDialog> FPluginTest::Boxes() const
{
	return Standin::Dialogs::GetShown();
}

bool FPluginTest::BoxShown(const std::string& Caption, const std::string& Text) const
{
	for (const auto& Box : Boxes())
	{
		if (Box.Caption == Caption && Box.Text == Text)
		{
			return true;
		}
	}
	return false;
}

void FPluginTest::WriteSampleWorkshopMap(unsigned long long ItemId)
{
	const std::string Folder = "/Game/CustomMaps/UGC" + std::to_string(ItemId);
	Project.WritePackage(Folder + "/Arena",
						 "{\"Class\": \"World\", \"Properties\": {}, \"References\": [\"" + Folder + "/Props/Crate\", \"" + Folder +
							 "/Preview\", \"/Game/Shared/Rock\"]}",
						 true);
	Project.WritePackage(Folder + "/Props/Crate", "{\"Class\": \"StaticMesh\", \"Properties\": {\"Triangles\": 12}}");
	Project.WritePackage(Folder + "/Preview", "{\"Class\": \"Texture2D\", \"Properties\": {\"Source\": \"Preview.png\"}}");
	WriteFile(Project.ContentPath(Folder + "/Preview", ".png"), MakePng(64, 32, 0x3366CCFFu));
	Project.WritePackage("/Game/Shared/Rock", "{\"Class\": \"StaticMesh\", \"Properties\": {\"Triangles\": 80}}");
	Project.WriteDefinition("UGC" + std::to_string(ItemId),
							"{\"Id\": \"UGC" + std::to_string(ItemId) + "\", \"MapLabel\": \"Arena\", \"Version\": 3, \"Map\": \"" + Folder +
								"/Arena.Arena\", \"QuestMap\": \"\", \"PreviewImage\": \"" + Folder +
								"/Preview.Preview\", \"IsCustomGameMode\": false, \"CustomGameModeLabel\": \"\", \"GameModes\": [1, 10, 7], "
								"\"bCreatedByPlugin\": true}");
}

namespace
{
void AppendChunk(std::string& Png, const char* Type, const std::string& Data)
{
	const uint32_t Length = static_cast<uint32_t>(Data.size());
	for (int Shift = 24; Shift >= 0; Shift -= 8)
	{
		Png += static_cast<char>((Length >> Shift) & 0xFF);
	}
	const std::string TypeAndData = std::string(Type, 4) + Data;
	Png += TypeAndData;
	const uint32_t Crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(TypeAndData.data()), TypeAndData.size()));
	for (int Shift = 24; Shift >= 0; Shift -= 8)
	{
		Png += static_cast<char>((Crc >> Shift) & 0xFF);
	}
}

std::string BigEndian32(uint32_t Value)
{
	return {static_cast<char>(Value >> 24), static_cast<char>(Value >> 16), static_cast<char>(Value >> 8), static_cast<char>(Value)};
}

// Rows of 8-bit RGBA pixels, each after its filter byte 0, as one PNG.
std::string MakePngOfRows(int Width, int Height, const std::string& Raw)
{
	uLongf CompressedSize = compressBound(Raw.size());
	std::string Compressed(CompressedSize, '\0');
	compress(reinterpret_cast<Bytef*>(Compressed.data()), &CompressedSize, reinterpret_cast<const Bytef*>(Raw.data()), Raw.size());
	Compressed.resize(CompressedSize);

	std::string Png = "\x89PNG\r\n\x1a\n";
	AppendChunk(Png, "IHDR", BigEndian32(Width) + BigEndian32(Height) + std::string("\x08\x06\x00\x00\x00", 5));
	AppendChunk(Png, "IDAT", Compressed);
	AppendChunk(Png, "IEND", "");
	return Png;
}
} // namespace

std::string MakePng(int Width, int Height, unsigned Rgba)
{
	std::string Raw;
	for (int Y = 0; Y < Height; ++Y)
	{
		Raw += '\0';
		for (int X = 0; X < Width; ++X)
		{
			Raw += BigEndian32(Rgba);
		}
	}
	return MakePngOfRows(Width, Height, Raw);
}

std::string MakeNoisePng(int Width, int Height)
{
	std::mt19937 Random(20190521u);
	std::string Raw;
	Raw.reserve(static_cast<size_t>(Width * 4 + 1) * Height);
	for (int Y = 0; Y < Height; ++Y)
	{
		Raw += '\0';
		for (int Byte = 0; Byte < Width * 4; ++Byte)
		{
			Raw += static_cast<char>(Random());
		}
	}
	return MakePngOfRows(Width, Height, Raw);
}
} // namespace LevelwrightTest
