#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vornic::cli {

// Runs the command-line tool with Args (Args[0] is the program name) and returns its exit
// status: 0 done, 1 the puzzle could not be built as asked, 2 bad usage or unreadable input.
int RunCli(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);

}  // namespace vornic::cli
