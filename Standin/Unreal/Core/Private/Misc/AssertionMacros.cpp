#include "Misc/AssertionMacros.h"

#include <cstdio>
#include <cstdlib>

#include "Standin/Log.h"
#include "Standin/Machine.h"

namespace Standin::Assert
{
void Fail(const char* Expression, const char* File, int Line, const std::u16string& Message)
{
	std::string Text = std::string("LogOutputDevice: Error: Assertion failed: ") + Expression + " [File:" + File +
					   "] [Line: " + std::to_string(Line) + "] ";
	if (!Message.empty())
	{
		Text += "\n" + Machine::ToUtf8(Message);
	}
	Log::WriteRawLine(Text);
	Log::Flush();
	std::abort();
}

bool EnsureFailed(const char* Expression, const char* File, int Line, std::atomic<bool>* bReported, const std::u16string& Message)
{
	if (bReported && bReported->exchange(true))
	{
		return false;
	}
	std::string Text = std::string("LogOutputDevice: Error: Ensure condition failed: ") + Expression + " [File:" + File +
					   "] [Line: " + std::to_string(Line) + "] ";
	if (!Message.empty())
	{
		Text += "\n" + Machine::ToUtf8(Message);
	}
	Log::WriteRawLine(Text);
	return false;
}
} // namespace Standin::Assert
