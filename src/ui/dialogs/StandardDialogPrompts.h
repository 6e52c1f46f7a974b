#pragma once

#include "ui/dialogs/DialogPrompts.h"

namespace vornic::ui {

// Real message boxes (QMessageBox) and input boxes (QInputDialog), owned by the asking window.
class StandardDialogPrompts : public DialogPrompts {
 public:
  Answer Ask(QWidget* Parent, const QString& Title, const QString& Text, Buttons Choice,
             Icon Kind) override;
  void Tell(QWidget* Parent, const QString& Title, const QString& Text, Icon Kind) override;
  std::optional<QString> AskText(QWidget* Parent, const QString& Title, const QString& Prompt,
                                 const QString& Default) override;
};

}  // namespace vornic::ui
