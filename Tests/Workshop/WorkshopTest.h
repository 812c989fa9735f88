// The Workshop operations' tests: the plugin started in Workshop mode on a fresh machine, with helpers
// to read the simulated Workshop, inject Steam faults and look at PNG files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PluginTestFixture.h"
#include "UGCInterface/UGCInterface.h"

namespace LevelwrightTest
{
// The item the sample machine's Workshop already holds, and the id Steam gives the next new item.
constexpr uint64 SampleItemId = 2000000001ull;
constexpr uint64 NextItemId = 2000000002ull;

class FWorkshopTest : public FPluginTest
{
protected:
	using FJson = nlohmann::ordered_json;

	// Starts the module and returns its Workshop map (the test fails when there is none).
	FUGCInterface& StartWorkshop();
	FUGCInterface& Map();

	// client.json "faults": {"<Operation>": <JsonValue>}, e.g. SetFault("CreateItem", "\"refuse\"").
	void SetFault(const std::string& Operation, const std::string& JsonValue);
	FJson ReadItem(uint64 Id) const;

	// Ticks until bRequestPending is false; false on timeout.
	bool WaitForRequest();
	bool EnsureReported(const std::string& Expression) const;
};

struct FDecodedPng
{
	bool bValid = false;
	int Width = 0;
	int Height = 0;
	std::vector<uint8_t> Rgba; // 8 bits per channel, row after row
};

// Decodes a PNG file with libpng; bValid false when it is not a readable PNG.
FDecodedPng DecodePng(const std::filesystem::path& File);
// A PNG of the given RGBA pixels (8 bits per channel), stored uncompressible when the pixels are noise.
std::string EncodePng(int Width, int Height, const std::vector<uint8_t>& Rgba);
// Pixels that no compressor can shrink: a PNG of them is about Width * Height * 4 bytes.
std::vector<uint8_t> NoisePixels(int Width, int Height);
} // namespace LevelwrightTest
