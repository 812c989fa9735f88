#include "Containers/StringConv.h"

#include <cstring>

#include "Containers/UnrealString.h"
#include "Misc/CString.h"
#include "Standin/Machine.h"
#include "Standin/StringUtf8.h"

FTCHARToUTF8::FTCHARToUTF8(const TCHAR* Source) : FTCHARToUTF8(Source, FCString::Strlen(Source)) {}

FTCHARToUTF8::FTCHARToUTF8(const TCHAR* Source, int32 SourceLength)
	: Converted(Standin::Machine::ToUtf8(std::u16string_view(Source ? Source : u"", Source ? SourceLength : 0)))
{
}

FUTF8ToTCHAR::FUTF8ToTCHAR(const ANSICHAR* Source) : FUTF8ToTCHAR(Source, Source ? static_cast<int32>(std::strlen(Source)) : 0) {}

FUTF8ToTCHAR::FUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLength)
	: Converted(Standin::Machine::ToUtf16(std::string_view(Source ? Source : "", Source ? SourceLength : 0)))
{
}

FTCHARToANSI::FTCHARToANSI(const TCHAR* Source)
{
	for (const TCHAR* C = Source; C && *C; ++C)
	{
		Converted += *C < 0x80 ? static_cast<char>(*C) : '?';
	}
}

FANSIToTCHAR::FANSIToTCHAR(const ANSICHAR* Source)
{
	for (const ANSICHAR* C = Source; C && *C; ++C)
	{
		Converted += static_cast<TCHAR>(static_cast<unsigned char>(*C));
	}
}

namespace Standin
{
std::string ToUtf8(const FString& String)
{
	return Machine::ToUtf8(std::u16string_view(*String, String.Len()));
}

FString FromUtf8(std::string_view Utf8)
{
	return FString(Machine::ToUtf16(Utf8));
}

std::filesystem::path ToHostPath(const FString& EnginePath)
{
	return Machine::ToHostPath(std::u16string_view(*EnginePath, EnginePath.Len()));
}
} // namespace Standin
