// The editor-script reader of the stand-in editor: every line gives exactly one outcome, a command or
// an error, and never both.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Script/ScriptParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	using namespace Standin::Editor;
	std::string_view Script(reinterpret_cast<const char*>(Data), Size);
	while (!Script.empty())
	{
		const size_t End = Script.find('\n');
		const std::string_view Line = Script.substr(0, End);
		const FScriptCommand Command = ParseScriptLine(Line);
		if (!Command.Error.empty() && Command.Verb != EScriptVerb::None)
		{
			__builtin_trap();
		}
		std::string Error;
		SplitScriptWords(Line, Error);
		Script = End == std::string_view::npos ? std::string_view() : Script.substr(End + 1);
	}
	return 0;
}
