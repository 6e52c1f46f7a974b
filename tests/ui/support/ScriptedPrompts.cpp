#include "support/ScriptedPrompts.h"

namespace vornic::test {

Answer ScriptedPrompts::Ask(QWidget*, const QString& Title, const QString& Text, Buttons Choice,
                            Icon Kind) {
  Questions.push_back({Title, Text, Choice, Kind});
  if (Answers.empty()) {
    ++Unscripted;
    return Answer::Cancel;
  }
  const Answer Reply = Answers.front();
  Answers.pop_front();
  return Reply;
}

void ScriptedPrompts::Tell(QWidget*, const QString& Title, const QString& Text, Icon Kind) {
  Messages.push_back({Title, Text, Buttons::Ok, Kind});
}

std::optional<QString> ScriptedPrompts::AskText(QWidget*, const QString& Title,
                                                const QString& Prompt, const QString& Default) {
  TextQuestions.push_back(
      {Title, Prompt + QLatin1Char('|') + Default, Buttons::OkCancel, Icon::None});
  if (TextReplies.empty()) {
    ++Unscripted;
    return std::nullopt;
  }
  std::optional<QString> Reply = TextReplies.front();
  TextReplies.pop_front();
  return Reply;
}

}  // namespace vornic::test
