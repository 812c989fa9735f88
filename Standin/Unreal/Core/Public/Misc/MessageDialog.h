#pragma once

#include "GenericPlatform/GenericPlatformMisc.h"
#include "Internationalization/Text.h"

struct FMessageDialog
{
	// Without a title the caption is "Message", as in the engine.
	static EAppReturnType::Type Open(EAppMsgType::Type MessageType, const FText& Message, const FText* OptTitle = nullptr);
	// DefaultValue is the answer when nobody can be asked (headless: no answer queued).
	static EAppReturnType::Type Open(EAppMsgType::Type MessageType, EAppReturnType::Type DefaultValue, const FText& Message,
									 const FText* OptTitle = nullptr);
};
