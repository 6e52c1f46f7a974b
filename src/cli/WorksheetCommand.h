#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliSupport.h"

namespace vornic::cli {

// `worksheet`: puzzles laid out as pages to hand out, then their answer keys, in one PDF.
void AddWorksheetCommand(CLI::App& App, CliContext& Context);

}  // namespace vornic::cli
