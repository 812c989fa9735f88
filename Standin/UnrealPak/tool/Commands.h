// The three things UnrealPak does; each returns the process exit code and prints its log lines.
#pragma once

#include "CommandLine.h"

namespace Standin::Pak
{
int RunCreate(const FPakCommandLine& Line);
int RunList(const FPakCommandLine& Line);
int RunExtract(const FPakCommandLine& Line);
} // namespace Standin::Pak
