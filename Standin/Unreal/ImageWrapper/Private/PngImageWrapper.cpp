#include "PngImageWrapper.h"

#include <csetjmp>
#include <cstring>
#include <vector>

THIRD_PARTY_INCLUDES_START
#include <png.h>
#include <zlib.h>
THIRD_PARTY_INCLUDES_END

DEFINE_LOG_CATEGORY_STATIC(LogImageWrapper, Log, All);

namespace
{
int32 BytesPerPixel(ERGBFormat Format)
{
	switch (Format)
	{
	case ERGBFormat::RGBA:
	case ERGBFormat::BGRA:
		return 4;
	case ERGBFormat::Gray:
		return 1;
	default:
		return 0;
	}
}

png_uint_32 SimplifiedFormat(ERGBFormat Format)
{
	switch (Format)
	{
	case ERGBFormat::RGBA:
		return PNG_FORMAT_RGBA;
	case ERGBFormat::BGRA:
		return PNG_FORMAT_BGRA;
	default:
		return PNG_FORMAT_GRAY;
	}
}

struct FEncodeJob
{
	const uint8* Pixels;
	int32 Width;
	int32 Height;
	ERGBFormat Format;
	int32 CompressionLevel;
	std::vector<uint8> Output;
	char Error[256] = {};
};

void OnPngWrite(png_structp Png, png_bytep Data, png_size_t Length)
{
	auto* Job = static_cast<FEncodeJob*>(png_get_io_ptr(Png));
	Job->Output.insert(Job->Output.end(), Data, Data + Length);
}

void OnPngFlush(png_structp) {}

void OnPngError(png_structp Png, png_const_charp Message)
{
	auto* Job = static_cast<FEncodeJob*>(png_get_error_ptr(Png));
	std::strncpy(Job->Error, Message, sizeof(Job->Error) - 1);
	png_longjmp(Png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Plain C-style on purpose: libpng reports errors by longjmp, which must not cross C++ destructors.
// The rows point straight into the caller's pixels; BGRA is swapped by libpng while it writes.
bool EncodePng(FEncodeJob& Job)
{
	png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &Job, OnPngError, OnPngWarning);
	if (Png == nullptr)
	{
		return false;
	}
	png_infop Info = png_create_info_struct(Png);
	png_bytep* Rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * Job.Height));
	if (Info == nullptr || Rows == nullptr || setjmp(png_jmpbuf(Png)))
	{
		std::free(Rows);
		png_destroy_write_struct(&Png, &Info);
		return false;
	}
	const int32 Stride = Job.Width * BytesPerPixel(Job.Format);
	for (int32 Row = 0; Row < Job.Height; ++Row)
	{
		Rows[Row] = const_cast<png_bytep>(Job.Pixels + static_cast<size_t>(Row) * Stride);
	}
	png_set_write_fn(Png, &Job, OnPngWrite, OnPngFlush);
	png_set_compression_level(Png, Job.CompressionLevel);
	const int ColorType = Job.Format == ERGBFormat::Gray ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB_ALPHA;
	png_set_IHDR(Png, Info, Job.Width, Job.Height, 8, ColorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
	png_write_info(Png, Info);
	if (Job.Format == ERGBFormat::BGRA)
	{
		png_set_bgr(Png);
	}
	png_write_image(Png, Rows);
	png_write_end(Png, nullptr);
	std::free(Rows);
	png_destroy_write_struct(&Png, &Info);
	return true;
}
} // namespace

bool FPngImageWrapper::HasPngSignature(const void* Data, int32 Size)
{
	return Data != nullptr && Size >= 8 && png_sig_cmp(static_cast<png_const_bytep>(Data), 0, 8) == 0;
}

bool FPngImageWrapper::SetCompressed(const void* InCompressedData, int32 InCompressedSize)
{
	RawData.Empty();
	CompressedData.Empty();
	if (!HasPngSignature(InCompressedData, InCompressedSize))
	{
		return false;
	}
	png_image Image;
	std::memset(&Image, 0, sizeof(Image));
	Image.version = PNG_IMAGE_VERSION;
	if (!png_image_begin_read_from_memory(&Image, InCompressedData, InCompressedSize))
	{
		UE_LOG(LogImageWrapper, Error, TEXT("Not a readable PNG: %s"), *FString(Image.message));
		return false;
	}
	Width = static_cast<int32>(Image.width);
	Height = static_cast<int32>(Image.height);
	BitDepth = 8;
	Format = (Image.format & PNG_FORMAT_FLAG_COLOR) != 0 ? ERGBFormat::RGBA : ERGBFormat::Gray;
	png_image_free(&Image);
	CompressedData.Append(static_cast<const uint8*>(InCompressedData), InCompressedSize);
	return true;
}

bool FPngImageWrapper::SetRaw(const void* InRawData, int32 InRawSize, const int32 InWidth, const int32 InHeight, const ERGBFormat InFormat,
							  const int32 InBitDepth)
{
	RawData.Empty();
	CompressedData.Empty();
	const int64 Expected = static_cast<int64>(InWidth) * InHeight * BytesPerPixel(InFormat);
	if (InRawData == nullptr || InWidth <= 0 || InHeight <= 0 || InBitDepth != 8 || BytesPerPixel(InFormat) == 0 || InRawSize != Expected)
	{
		return false;
	}
	RawData.Append(static_cast<const uint8*>(InRawData), InRawSize);
	Width = InWidth;
	Height = InHeight;
	BitDepth = InBitDepth;
	Format = InFormat;
	return true;
}

const TArray<uint8>& FPngImageWrapper::GetCompressed(int32 Quality)
{
	if (RawData.Num() == 0)
	{
		return CompressedData;
	}
	const bool bUncompressed = Quality == static_cast<int32>(EImageCompressionQuality::Uncompressed);
	FEncodeJob Job{RawData.GetData(), Width, Height, Format, bUncompressed ? Z_NO_COMPRESSION : Z_DEFAULT_COMPRESSION, {}};
	Job.Output.reserve(RawData.Num() / 2 + 1024);
	if (EncodePng(Job))
	{
		CompressedData = TArray<uint8>(std::move(Job.Output));
	}
	else
	{
		UE_LOG(LogImageWrapper, Error, TEXT("PNG encoding failed: %s"), *FString(Job.Error));
		CompressedData.Empty();
	}
	return CompressedData;
}

bool FPngImageWrapper::GetRaw(const ERGBFormat InFormat, int32 InBitDepth, const TArray<uint8>*& OutRawData)
{
	OutRawData = nullptr;
	if (CompressedData.Num() == 0 || InBitDepth != 8 || BytesPerPixel(InFormat) == 0)
	{
		return false;
	}
	png_image Image;
	std::memset(&Image, 0, sizeof(Image));
	Image.version = PNG_IMAGE_VERSION;
	if (!png_image_begin_read_from_memory(&Image, CompressedData.GetData(), CompressedData.Num()))
	{
		return false;
	}
	Image.format = SimplifiedFormat(InFormat);
	RawData.SetNumUninitialized(static_cast<int32>(PNG_IMAGE_SIZE(Image)));
	if (!png_image_finish_read(&Image, nullptr, RawData.GetData(), 0, nullptr))
	{
		UE_LOG(LogImageWrapper, Error, TEXT("PNG decoding failed: %s"), *FString(Image.message));
		png_image_free(&Image);
		RawData.Empty();
		return false;
	}
	Format = InFormat;
	OutRawData = &RawData;
	return true;
}
