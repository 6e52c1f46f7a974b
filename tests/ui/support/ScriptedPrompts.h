#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "ui/dialogs/DialogPrompts.h"

namespace vornic::test {

// Answers a dialog's questions from a script and records everything it was asked or told. An
// unscripted question counts in Unscripted (and is answered with Cancel), so a test can fail
// on it instead of waiting for a box that nobody closes.
class ScriptedPrompts : public ui::DialogPrompts {
 public:
  struct Record {
    QString Title, Text;
    Buttons Choice = Buttons::Ok;
    Icon Kind = Icon::None;
  };

  std::deque<Answer> Answers;
  std::deque<std::optional<QString>> TextReplies;  // nullopt = Cancel

  std::vector<Record> Questions, Messages, TextQuestions;
  int Unscripted = 0;

  Answer Ask(QWidget* Parent, const QString& Title, const QString& Text, Buttons Choice,
             Icon Kind) override;
  void Tell(QWidget* Parent, const QString& Title, const QString& Text, Icon Kind) override;
  std::optional<QString> AskText(QWidget* Parent, const QString& Title, const QString& Prompt,
                                 const QString& Default) override;

  QString LastMessage() const { return Messages.empty() ? QString() : Messages.back().Text; }
};

}  // namespace vornic::test
