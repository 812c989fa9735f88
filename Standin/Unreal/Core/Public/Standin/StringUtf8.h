// Stand-in helpers (not engine API): FString <-> UTF-8 std::string, for the stand-ins' own code.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "Containers/UnrealString.h"

namespace Standin
{
std::string ToUtf8(const FString& String);
FString FromUtf8(std::string_view Utf8);
// The host path of an engine-form path (backslashes, drive letters), see Standin::Machine::ToHostPath.
std::filesystem::path ToHostPath(const FString& EnginePath);
} // namespace Standin
