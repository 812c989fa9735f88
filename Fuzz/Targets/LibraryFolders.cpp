// The plugin's library-folder scan over a libraryfolders.vdf, decoded as the engine loads a file:
// any text gives folders that each start with a drive letter and hold no doubled backslash.
#include <cstddef>
#include <cstdint>

#include "CoreMinimal.h"
#include "Levelwright/GameInstallLocator.h"
#include "Misc/FileHelper.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	if (Size > (1 << 20))
	{
		return 0;
	}
	FString Text;
	FFileHelper::BufferToString(Text, Data, static_cast<int32>(Size));
	for (const FString& Folder : FindLibraryFolders(Text))
	{
		if (Folder.Len() < 3 || Folder[1] != TEXT(':') || Folder[2] != TEXT('/') || Folder.Contains(TEXT("\\\\")))
		{
			__builtin_trap();
		}
	}
	return 0;
}
