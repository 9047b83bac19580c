#pragma once
// The engine's texts on standard output (nobody sees them in the windowed
// updater; the download driver and the tests read them).

#include <string>

// Writes the text in one piece and flushes, so texts of parallel segment
// threads never interleave within a line.
void WriteStdout(const std::string& text);
