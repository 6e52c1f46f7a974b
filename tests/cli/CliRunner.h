#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace vornic::test {

// Runs the command-line tool in-process and keeps what it printed.
struct CliRun {
  int Status = -1;
  std::string Out, Err;
};

inline CliRun RunTool(std::vector<std::string> Args) {
  Args.insert(Args.begin(), "vornicpack-cli");
  std::ostringstream Out, Err;
  CliRun Run;
  Run.Status = cli::RunCli(Args, Out, Err);
  Run.Out = Out.str();
  Run.Err = Err.str();
  return Run;
}

}  // namespace vornic::test
