#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "support/TempHome.h"

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

// Commands run against files in a fresh program home.
class CliFileTest : public ::testing::Test {
 protected:
  TempHome Home;
  std::string Path(const std::string& Name) { return (Home / Name).string(); }
  // What "info --json" says of a file.
  nlohmann::json Info(const std::string& File) {
    auto Run = RunTool({"info", File, "--json"});
    EXPECT_EQ(Run.Status, 0) << Run.Err;
    return nlohmann::json::parse(Run.Out);
  }
};

}  // namespace vornic::test
