#include "WorkshopTest.h"

#include <cstdio>
#include <memory>
#include <random>

#include <png.h>

namespace LevelwrightTest
{
FUGCInterface& FWorkshopTest::StartWorkshop()
{
	StartModule();
	return Map();
}

FUGCInterface& FWorkshopTest::Map()
{
	FUGCInterface* WorkshopMap = Module().WorkshopMap;
	if (!WorkshopMap)
	{
		ADD_FAILURE() << "the module runs without a Workshop map";
		std::abort();
	}
	return *WorkshopMap;
}

void FWorkshopTest::SetFault(const std::string& Operation, const std::string& JsonValue)
{
	// Edited as Json: FTestMachine::SetClient takes a value that starts with "{" for a plain word.
	const std::filesystem::path ClientFile = Machine.Path() / "steam" / "client.json";
	FJson Client = FJson::parse(ReadFile(ClientFile));
	Client["faults"][Operation] = FJson::parse(JsonValue);
	WriteFile(ClientFile, Client.dump(4));
}

FWorkshopTest::FJson FWorkshopTest::ReadItem(uint64 Id) const
{
	return FJson::parse(ReadFile(ItemDir(Id) / "item.json"));
}

bool FWorkshopTest::WaitForRequest()
{
	return TickUntil([this] { return !Map().bRequestPending; }, 30);
}

bool FWorkshopTest::EnsureReported(const std::string& Expression) const
{
	return LogHas("Ensure condition failed: " + Expression + " [File:");
}

FDecodedPng DecodePng(const std::filesystem::path& File)
{
	FDecodedPng Result;
	png_image Image{};
	Image.version = PNG_IMAGE_VERSION;
	if (!png_image_begin_read_from_file(&Image, File.c_str()))
	{
		return Result;
	}
	Image.format = PNG_FORMAT_RGBA;
	Result.Rgba.resize(PNG_IMAGE_SIZE(Image));
	if (!png_image_finish_read(&Image, nullptr, Result.Rgba.data(), 0, nullptr))
	{
		png_image_free(&Image);
		return Result;
	}
	Result.bValid = true;
	Result.Width = static_cast<int>(Image.width);
	Result.Height = static_cast<int>(Image.height);
	return Result;
}

std::string EncodePng(int Width, int Height, const std::vector<uint8_t>& Rgba)
{
	png_image Image{};
	Image.version = PNG_IMAGE_VERSION;
	Image.width = static_cast<png_uint_32>(Width);
	Image.height = static_cast<png_uint_32>(Height);
	Image.format = PNG_FORMAT_RGBA;
	png_alloc_size_t Size = 0;
	if (!png_image_write_to_memory(&Image, nullptr, &Size, 0, Rgba.data(), 0, nullptr))
	{
		return std::string();
	}
	std::string Png(Size, '\0');
	png_image_write_to_memory(&Image, Png.data(), &Size, 0, Rgba.data(), 0, nullptr);
	Png.resize(Size);
	return Png;
}

std::vector<uint8_t> NoisePixels(int Width, int Height)
{
	std::mt19937 Random(20190521u);
	std::vector<uint8_t> Pixels(static_cast<size_t>(Width) * Height * 4);
	for (uint8_t& Byte : Pixels)
	{
		Byte = static_cast<uint8_t>(Random());
	}
	return Pixels;
}
} // namespace LevelwrightTest
