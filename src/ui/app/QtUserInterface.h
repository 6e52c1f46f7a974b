#pragma once

#include <QString>
#include <QStringList>

#include "base/UserInterface.h"

class QWidget;

namespace vornic::ui {

// The core's user interface for one window: real message boxes and Open and Save dialogs owned
// by Owner, the caption as Owner's window title, the clipboard through QClipboard with the
// picture in every format the renderer offers. Given a Scripted interface (tests), questions,
// messages and file dialogs go to it instead of real boxes, and captions and clipboard contents
// are reported to it besides being done for real.
class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* Owner, UserInterface* Scripted = nullptr);

  Answer Ask(const std::string& Title, const std::string& Text, Buttons Choice, Icon Kind) override;
  void Tell(const std::string& Title, const std::string& Text, Icon Kind) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& Request) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& Request) override;
  void SetCaption(const std::string& Caption) override;
  void SetClipboard(const ClipboardContent& Content) override;

  // The name filters of a request as Qt writes them: "Vornic Game (*.gm)|*.gm" gives
  // "Vornic Game (*.gm)"; a description that does not show its patterns gets them added.
  static QStringList NameFilters(const std::string& Filter);
  // The suffix a name typed without one gets: "*.gm" and ".gm" give "gm".
  static QString DefaultSuffix(const std::string& DefaultExt);
  // Where an Open or Save dialog starts: the folder last chosen in any dialog; else the
  // request's folder unless that is the program's or its settings folder; else the documents.
  static QString StartFolder(const FileDialogRequest& Request);

 private:
  std::optional<std::string> ChooseFile(const FileDialogRequest& Request, bool Saving);

  QWidget* Owner;
  UserInterface* Scripted;
};

}  // namespace vornic::ui
