// The stand-in's way into a texture's private state, for loading, saving and test hooks.
#pragma once

#include <filesystem>
#include <string>

#include "Engine/Texture2D.h"

namespace Standin::Textures
{
struct FTextureAccess
{
	static FString& SourceFileName(UTexture& Texture) { return Texture.SourceFileName; }
	static uint32 SourceRevision(const FTextureSource& Source) { return Source.Revision; }
	static const TArray<uint8>& SourceData(const FTextureSource& Source) { return Source.Data; }
	static void FixPlatformData(UTexture2D& Texture) { Texture.bPlatformDataFixed = true; }
};

// Reads the PNG into the texture's source as BGRA8 (one mip). False with a message when it cannot.
bool LoadSourcePng(UTexture& Texture, const std::filesystem::path& File, std::string& OutError);
// Writes the source's first mip as a PNG. False with a message when it cannot.
bool SaveSourcePng(UTexture& Texture, const std::filesystem::path& File, std::string& OutError);
} // namespace Standin::Textures
