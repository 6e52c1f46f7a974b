#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return vornic::cli::RunCli(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
