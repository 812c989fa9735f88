// The Workshop preview: SaveTextureAsPng of a 2048 x 2048 texture next to encoding the same pixels with
// libpng's defaults directly.
#include <cstdio>
#include <filesystem>
#include <png.h>

#include "BenchSupport.h"
#include "Engine/Texture2D.h"
#include "Standin/Textures.h"
#include "TestEnvironment.h"
#include "UGCInterface/TexturePreview.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

namespace fs = std::filesystem;
using namespace LevelwrightBench;

namespace
{
const int32 Side = 2048;

// Smooth gradients with a little noise, about as compressible as a screenshot of a map.
TArray<uint8> MakePixels()
{
	TArray<uint8> Bgra;
	Bgra.SetNumUninitialized(Side * Side * 4);
	uint32 Random = 2463534242u;
	for (int32 Y = 0; Y < Side; ++Y)
	{
		for (int32 X = 0; X < Side; ++X)
		{
			Random ^= Random << 13;
			Random ^= Random >> 17;
			Random ^= Random << 5;
			uint8* Pixel = &Bgra[(Y * Side + X) * 4];
			Pixel[0] = static_cast<uint8>(X / 8 + (Random & 3));
			Pixel[1] = static_cast<uint8>(Y / 8 + ((Random >> 2) & 3));
			Pixel[2] = static_cast<uint8>((X + Y) / 16 + ((Random >> 4) & 3));
			Pixel[3] = 255;
		}
	}
	return Bgra;
}

struct FWorld : LevelwrightTest::FTestWorld
{
	fs::path PluginOut = Temp.Path() / "plugin.png";
	fs::path DirectOut = Temp.Path() / "direct.png";
	UTexture2D* Texture = nullptr;
	TArray<uint8> Pixels;

	FWorld()
	{
		Start();
		Texture = Standin::Textures::CreateTexture(GetTransientPackage(), FName(TEXT("Preview")), Side, Side, MakePixels());
		if (!Texture || !Texture->Source.GetMipData(Pixels, 0))
		{
			throw std::runtime_error("cannot make the preview texture");
		}
	}
};

FWorld* GWorld = nullptr;

// The plain libpng path: default compression, filters and buffering, rows handed over as BGRA.
void EncodeWithLibpng(const uint8* Bgra, const fs::path& Path)
{
	FILE* File = std::fopen(Path.c_str(), "wb");
	png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
	png_infop Info = png_create_info_struct(Png);
	std::vector<png_bytep> Rows(Side);
	for (int32 Y = 0; Y < Side; ++Y)
	{
		Rows[Y] = const_cast<png_bytep>(Bgra + size_t(Y) * Side * 4);
	}
	if (!File || !Png || !Info || setjmp(png_jmpbuf(Png)))
	{
		throw std::runtime_error("libpng could not write " + Path.string());
	}
	png_init_io(Png, File);
	png_set_IHDR(Png, Info, Side, Side, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
				 PNG_FILTER_TYPE_DEFAULT);
	png_write_info(Png, Info);
	png_set_bgr(Png);
	png_write_image(Png, Rows.data());
	png_write_end(Png, nullptr);
	png_destroy_write_struct(&Png, &Info);
	std::fclose(File);
}

void BM_SaveTextureAsPng(benchmark::State& State)
{
	const FString Path(GWorld->PluginOut.u16string().c_str());
	for (auto _ : State)
	{
		if (!SaveTextureAsPng(GWorld->Texture, Path))
		{
			State.SkipWithError("SaveTextureAsPng failed");
		}
	}
}

void BM_LibpngDefaults(benchmark::State& State)
{
	for (auto _ : State)
	{
		EncodeWithLibpng(GWorld->Pixels.GetData(), GWorld->DirectOut);
	}
}

BENCHMARK(BM_SaveTextureAsPng)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_LibpngDefaults)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

std::vector<FRow> MakeRows(const FCollectingReporter& Results)
{
	FRow Row = MakeRatioRow("Preview, 2048 x 2048 texture to PNG (vs libpng defaults on the same pixels)",
							Results.Get("BM_SaveTextureAsPng"), Results.Get("BM_LibpngDefaults"), 1.1, "5 runs each");
	Row.Note += "; files of " + std::to_string(fs::file_size(GWorld->PluginOut) / 1024) + " KiB and " +
				std::to_string(fs::file_size(GWorld->DirectOut) / 1024) + " KiB";
	return {Row};
}
} // namespace

int main(int Argc, char** Argv)
{
	FWorld World;
	GWorld = &World;
	return RunAndReport(Argc, Argv, MakeRows);
}
