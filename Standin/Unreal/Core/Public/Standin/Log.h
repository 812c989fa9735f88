// Stand-in only (not engine API): where log lines go, and what tests can read back.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace Standin::Log
{
// Every line is printed to standard output and appended to the log file, if one is open. The file is
// buffered: it is flushed shortly after a line, by Flush, at a fatal error, on closing and at exit.
void OpenLogFile(const std::filesystem::path& HostPath);
void CloseLogFile();
void Flush();

// A line that is not a log message (dialog transcripts, script errors), written the same way.
void WriteRawLine(std::string Utf8Line);

// Tests that read lines back turn keeping them on; an editor keeps none, as a long session would
// otherwise hold every line it ever wrote (a stage of a large map writes one per cooked file).
void KeepLines(bool bKeep);
// Every line written by this process since it began keeping them (UTF-8, without line ends), for tests.
std::vector<std::string> GetLines();
void ClearLines();
// True when some line written so far contains Text.
bool Contains(const std::string& Text);
} // namespace Standin::Log
