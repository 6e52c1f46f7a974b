#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/UserInterface.h"

namespace vornic::test {

// A user interface that answers from a script and records everything it was asked, so flows can
// be driven without windows. An unscripted question or dialog fails the test.
class ScriptedUserInterface : public UserInterface {
 public:
  struct Question {
    std::string Title, Text;
    Buttons Choice;
    Icon Kind;
  };
  struct Message {
    std::string Title, Text;
    Icon Kind;
  };

  // Scripted replies, consumed in order.
  std::deque<Answer> Answers;
  std::deque<std::optional<std::string>> OpenReplies;  // nullopt = Cancel
  std::deque<std::optional<std::string>> SaveReplies;

  // What was asked and shown.
  std::vector<Question> Questions;
  std::vector<Message> Messages;
  std::vector<FileDialogRequest> OpenRequests, SaveRequests;
  std::vector<std::string> Captions;
  std::vector<ClipboardContent> Clipboard;

  Answer Ask(const std::string& Title, const std::string& Text, Buttons Choice, Icon Kind) override;
  void Tell(const std::string& Title, const std::string& Text, Icon Kind) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& Request) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& Request) override;
  void SetCaption(const std::string& Caption) override { Captions.push_back(Caption); }
  void SetClipboard(const ClipboardContent& Content) override { Clipboard.push_back(Content); }

  std::string LastCaption() const { return Captions.empty() ? std::string() : Captions.back(); }
};

}  // namespace vornic::test
