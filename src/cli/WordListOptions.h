#pragma once

#include <CLI/CLI.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vornic {
struct ListLanguage;
}

namespace vornic::cli {

// --list NAME, --pick N and --language L of the building commands that take words.
struct ListOptions {
  std::optional<std::string> List;
  std::optional<std::size_t> Pick;
  std::optional<std::string> Language;
  // The command's --font-charset, to tell a code page asked for from the default one.
  const CLI::Option* FontCharset = nullptr;
};

// Adds the three options to a command that already has --font-charset.
void AddListOptions(CLI::App& Command, ListOptions& Options);

struct ListWords {
  std::vector<std::string> Words;  // upper-cased, UTF-8
  // The language of the titled list taken; null for a saved list or without --list.
  const ListLanguage* Language = nullptr;
};

// The words --list asks for, after Given (which they never repeat): Pick of them drawn with the
// program's generator (seed it first), or every usable one in list order. A saved list of the
// name comes first, else a titled list of --language, or of the language of --font-charset, or
// English. FontCharset follows the list's language unless --font-charset asked for another code
// page, which is bad usage and says why, as are an unknown language or list. A list with fewer
// usable words than asked for cannot be built as asked (exit 1).
ListWords ReadListWords(const ListOptions& Options, int& FontCharset,
                        const std::vector<std::string>& Given, int MaxLength);

}  // namespace vornic::cli
