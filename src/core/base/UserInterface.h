#pragma once

#include <optional>
#include <string>

namespace vornic {

class TDrawMetaFile;

enum class Buttons { Ok, OkCancel, YesNoCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };
// A setting a message may tell the user to change.
enum class Setting { GridSize, CharacterSet };

// What an Open or Save dialog is asked to show. Texts are UTF-8.
struct FileDialogRequest {
  std::string Filter;        // "Vornic Game (*.gm)|*.gm": description and pattern pairs
  std::string DefaultExt;    // "*.gm": added to a name typed without extension
  std::string InitialDir;    // folder the dialog starts in
  std::string ProposedName;  // file name offered in a Save dialog
  bool OverwritePrompt = false;
  bool MustExist = false;
};

// What a command puts on the clipboard: plain text, a picture, or both.
struct ClipboardContent {
  std::optional<std::string> Text;         // UTF-8
  const TDrawMetaFile* Picture = nullptr;  // borrowed for the duration of the call
};

// The one way the core talks to the user. The window program implements it with real dialogs;
// tests use a scripted fake; the command-line tool prints. Strings are UTF-8.
class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A modal question; returns the button pressed.
  virtual Answer Ask(const std::string& Title, const std::string& Text, Buttons Choice,
                     Icon Kind) = 0;
  // A modal message with an OK button.
  virtual void Tell(const std::string& Title, const std::string& Text, Icon Kind) = 0;
  // Open and Save dialogs: the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& Request) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& Request) = 0;
  virtual void SetCaption(const std::string& Caption) = 0;
  virtual void SetClipboard(const ClipboardContent& Content) = 0;
  // Where the user changes a puzzle's setting, as a message tells it ("... larger " + this): the
  // window's dialog by default; the command-line tool names its options.
  virtual std::string WhereToChange(Setting What) const { return InTheWindow(What); }
  static std::string InTheWindow(Setting) { return "in Grid settings"; }
};

}  // namespace vornic
