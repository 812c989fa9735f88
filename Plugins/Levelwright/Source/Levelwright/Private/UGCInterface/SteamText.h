// Every text the plugin hands to Steam goes through here: Steam takes UTF-8.
#pragma once

#include "Containers/StringConv.h"
#include "CoreMinimal.h"

class FSteamText
{
public:
	explicit FSteamText(const FString& Text) : Converted(*Text, Text.Len()) {}
	const char* Get() const { return Converted.Get(); }

private:
	FTCHARToUTF8 Converted;
};
