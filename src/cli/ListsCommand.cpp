#include <nlohmann/json.hpp>

#include <algorithm>

#include "cli/CliSupport.h"
#include "document/ListLanguage.h"
#include "document/WordListCatalog.h"

namespace vornic::cli {
namespace {

struct ListsOptions {
  std::optional<std::string> Language;
  bool Json = false;
};

const char* Kind(const WordListInfo& List) {
  if (List.Builtin) return "built in";
  return List.ReadOnly ? "shared" : "own";
}

void RunLists(const ListsOptions& Options, CliContext& Context) {
  if (Options.Language && !ListLanguage::Find(*Options.Language))
    throw CliFailure(BadUsage, "Unknown language \"" + *Options.Language + "\".");
  const std::vector<WordListInfo> Lists =
      WordListCatalog::Default().Lists(Options.Language.value_or(""));
  if (Options.Json) {
    nlohmann::ordered_json All = nlohmann::ordered_json::array();
    for (const WordListInfo& List : Lists)
      All.push_back({{"name", List.Name},
                     {"title", List.Title},
                     {"language", List.Language.empty() ? nlohmann::ordered_json(nullptr)
                                                        : nlohmann::ordered_json(List.Language)},
                     {"words", List.Words},
                     {"builtin", List.Builtin}});
    Context.Out << All.dump(2) << '\n';
    return;
  }
  std::vector<std::string> Names;
  std::size_t Width = 4;
  for (const WordListInfo& List : Lists) {
    Names.push_back(EscapeControls(List.Name, TextBytes::Utf8));
    Width = std::max(Width, Names.back().size());
  }
  for (std::size_t i = 0; i < Lists.size(); ++i) {
    const WordListInfo& List = Lists[i];
    Context.Out << Names[i] << std::string(Width + 2 - Names[i].size(), ' ')
                << (List.Language.empty() ? "--" : List.Language) << "  " << List.Words
                << " words  " << Kind(List) << "  " << EscapeControls(List.Title, TextBytes::Utf8)
                << '\n';
  }
}

}  // namespace

void AddListsCommand(CLI::App& App, CliContext& Context) {
  auto Options = std::make_shared<ListsOptions>();
  CLI::App* Command = App.add_subcommand(
      "lists", "Print the word lists (your own first, then the program's) with their languages");
  Command->add_option("--language", Options->Language,
                      "Only the lists of a language (en, de, ...)");
  Command->add_flag("--json", Options->Json,
                    "Print JSON for scripts: name, title, language, words, builtin");
  Command->callback([Options, &Context] { RunLists(*Options, Context); });
}

}  // namespace vornic::cli
