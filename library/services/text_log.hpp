#pragma once
// The text log of Open_RST.LogFileVs: LogFile_Vs.Log in $KALVIK_LOG_DIR, else in
// ${XDG_STATE_HOME:-~/.local/state}/kalvik; created when missing, only ever appended to.

#include <filesystem>
#include <string>

namespace kalvik {

// Fails with error 75 when none of the three variables is set.
std::filesystem::path textLogFile();

// Appends the line and a carriage return and line feed in one write; fails with error 75 naming
// the file when it cannot be appended to, and at once when it is no regular file (a FIFO, a
// device, a folder).
void appendTextLogLine(const std::string& line);

}  // namespace kalvik
