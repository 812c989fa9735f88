#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "HAL/FileManager.h"

struct FFileHelper
{
	enum class EHashOptions
	{
		None = 0,
		EnableVerify = 1 << 0,
		ErrorMissingHash = 1 << 1
	};

	enum class EEncodingOptions
	{
		AutoDetect,
		ForceAnsi,
		ForceUnicode,
		ForceUTF8,
		ForceUTF8WithoutBOM
	};

	// AutoDetect: one byte per character when every character is below 0x80, otherwise FF FE and
	// UTF-16LE. No line end is added. False when the file cannot be created.
	static bool SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions EncodingOptions = EEncodingOptions::AutoDetect,
								 IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	// Reads UTF-16LE/BE with a byte-order mark, UTF-8 with or without one; false when missing.
	static bool LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags = EHashOptions::None);
	static bool LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags = 0);
	static bool SaveArrayToFile(const TArray<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager = &IFileManager::Get(), uint32 WriteFlags = 0);
	static bool LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename);
	// Decodes file bytes as LoadFileToString does.
	static void BufferToString(FString& Result, const uint8* Buffer, int32 Size);
};
