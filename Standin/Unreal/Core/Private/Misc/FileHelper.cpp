#include "Misc/FileHelper.h"

#include <memory>
#include <string>

#include "Misc/CString.h"
#include "Standin/Machine.h"

namespace
{
// The text one byte per character, '?' for what does not fit; OutAllBits gathers the bits of every
// character, so the same pass tells whether the text is ASCII (a pak list of 100,000 lines is 20M
// characters: a second pass shows).
std::string NarrowToAnsi(const FString& String, uint32& OutAllBits)
{
	std::string Bytes(String.Len(), '\0');
	uint32 AllBits = 0;
	const TCHAR* const Chars = *String;
	char* const Out = Bytes.data();
	for (int32 I = 0; I < String.Len(); ++I)
	{
		AllBits |= Chars[I];
		Out[I] = Chars[I] < 0x80 ? static_cast<char>(Chars[I]) : '?';
	}
	OutAllBits = AllBits;
	return Bytes;
}

std::string ToUtf16LittleEndianWithBom(const FString& String)
{
	std::string Bytes(2 + size_t(String.Len()) * 2, '\0');
	Bytes[0] = '\xFF';
	Bytes[1] = '\xFE';
	const TCHAR* const Chars = *String;
	char* const Out = Bytes.data() + 2;
	for (int32 I = 0; I < String.Len(); ++I)
	{
		Out[2 * I] = static_cast<char>(Chars[I] & 0xFF);
		Out[2 * I + 1] = static_cast<char>(Chars[I] >> 8);
	}
	return Bytes;
}

std::string EncodeForFile(const FString& String, FFileHelper::EEncodingOptions EncodingOptions)
{
	using EEncodingOptions = FFileHelper::EEncodingOptions;
	switch (EncodingOptions)
	{
	case EEncodingOptions::ForceUnicode:
		return ToUtf16LittleEndianWithBom(String);
	case EEncodingOptions::ForceUTF8:
		return "\xEF\xBB\xBF" + Standin::Machine::ToUtf8(std::u16string_view(*String, String.Len()));
	case EEncodingOptions::ForceUTF8WithoutBOM:
		return Standin::Machine::ToUtf8(std::u16string_view(*String, String.Len()));
	default:
		break;
	}
	uint32 AllBits = 0;
	std::string Ansi = NarrowToAnsi(String, AllBits);
	// The engine decides on the text read as a C string: characters after a NUL inside it do not count.
	if (EncodingOptions == EEncodingOptions::AutoDetect && AllBits >= 0x80 && !FCString::IsPureAnsi(*String))
	{
		return ToUtf16LittleEndianWithBom(String);
	}
	return Ansi;
}
} // namespace

bool FFileHelper::SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions EncodingOptions,
								   IFileManager* FileManager, uint32 WriteFlags)
{
	std::unique_ptr<FArchive> Writer(FileManager->CreateFileWriter(Filename, WriteFlags));
	if (!Writer)
	{
		return false;
	}
	if (String.IsEmpty())
	{
		return true;
	}
	std::string Bytes = EncodeForFile(String, EncodingOptions);
	Writer->Serialize(Bytes.data(), static_cast<int64>(Bytes.size()));
	// As in the engine, the outcome of the write itself is not checked.
	Writer->Close();
	return true;
}

void FFileHelper::BufferToString(FString& Result, const uint8* Buffer, int32 Size)
{
	std::u16string Text;
	if (Size >= 2 && Buffer[0] == 0xFF && Buffer[1] == 0xFE)
	{
		for (int32 I = 2; I + 1 < Size; I += 2)
		{
			Text += static_cast<char16_t>(Buffer[I] | (Buffer[I + 1] << 8));
		}
	}
	else if (Size >= 2 && Buffer[0] == 0xFE && Buffer[1] == 0xFF)
	{
		for (int32 I = 2; I + 1 < Size; I += 2)
		{
			Text += static_cast<char16_t>((Buffer[I] << 8) | Buffer[I + 1]);
		}
	}
	else
	{
		const int32 Skip = (Size >= 3 && Buffer[0] == 0xEF && Buffer[1] == 0xBB && Buffer[2] == 0xBF) ? 3 : 0;
		Text = Standin::Machine::ToUtf16(std::string_view(reinterpret_cast<const char*>(Buffer) + Skip, Size - Skip));
	}
	// A zero character ends the text, as it ends the engine's string.
	const auto Zero = Text.find(u'\0');
	if (Zero != std::u16string::npos)
	{
		Text.resize(Zero);
	}
	Result = FString(std::move(Text));
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions)
{
	TArray<uint8> Bytes;
	if (!LoadFileToArray(Bytes, Filename))
	{
		return false;
	}
	BufferToString(Result, Bytes.GetData(), Bytes.Num());
	return true;
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32)
{
	std::unique_ptr<FArchive> Reader(IFileManager::Get().CreateFileReader(Filename));
	if (!Reader)
	{
		return false;
	}
	const int64 Size = Reader->TotalSize();
	if (Size < 0 || Size > MAX_int32)
	{
		return false;
	}
	Result.Reset();
	Result.SetNum(static_cast<int32>(Size));
	Reader->Serialize(Result.GetData(), Size);
	return !Reader->IsError();
}

bool FFileHelper::SaveArrayToFile(const TArray<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
{
	std::unique_ptr<FArchive> Writer(FileManager->CreateFileWriter(Filename, WriteFlags));
	if (!Writer)
	{
		return false;
	}
	Writer->Serialize(const_cast<uint8*>(Array.GetData()), Array.Num());
	return Writer->Close();
}

bool FFileHelper::LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename)
{
	FString Text;
	if (!LoadFileToString(Text, Filename))
	{
		return false;
	}
	Text.ParseIntoArrayLines(Result, true);
	return true;
}
