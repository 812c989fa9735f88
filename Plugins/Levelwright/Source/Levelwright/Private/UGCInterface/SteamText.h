// Every text the plugin hands to Steam goes through here: Steam takes zero-terminated UTF-8. The
// converter is given no length: with one, the engine's converter writes no terminator.
#pragma once

#include "Containers/StringConv.h"
#include "CoreMinimal.h"

class FSteamText
{
public:
	explicit FSteamText(const FString& Text) : Converted(*Text) {}
	const char* Get() const { return Converted.Get(); }

private:
	FTCHARToUTF8 Converted;
};
