// As in the engine, this header only declares IPlatformFile: include
// "GenericPlatform/GenericPlatformFile.h" to call it.
#pragma once

#include "CoreTypes.h"

class IPlatformFile;

class FPlatformFileManager
{
public:
	static FPlatformFileManager& Get();
	IPlatformFile& GetPlatformFile();
};
