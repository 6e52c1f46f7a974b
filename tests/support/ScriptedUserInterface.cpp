#include "support/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace vornic::test {

Answer ScriptedUserInterface::Ask(const std::string& Title, const std::string& Text, Buttons Choice,
                                  Icon Kind) {
  Questions.push_back({Title, Text, Choice, Kind});
  if (Answers.empty()) {
    ADD_FAILURE() << "unscripted question: " << Text;
    return Answer::Cancel;
  }
  Answer Reply = Answers.front();
  Answers.pop_front();
  return Reply;
}

void ScriptedUserInterface::Tell(const std::string& Title, const std::string& Text, Icon Kind) {
  Messages.push_back({Title, Text, Kind});
}

std::optional<std::string> ScriptedUserInterface::ChooseOpenFile(const FileDialogRequest& Request) {
  OpenRequests.push_back(Request);
  if (OpenReplies.empty()) {
    ADD_FAILURE() << "unscripted Open dialog";
    return std::nullopt;
  }
  auto Reply = OpenReplies.front();
  OpenReplies.pop_front();
  return Reply;
}

std::optional<std::string> ScriptedUserInterface::ChooseSaveFile(const FileDialogRequest& Request) {
  SaveRequests.push_back(Request);
  if (SaveReplies.empty()) {
    ADD_FAILURE() << "unscripted Save dialog";
    return std::nullopt;
  }
  auto Reply = SaveReplies.front();
  SaveReplies.pop_front();
  return Reply;
}

}  // namespace vornic::test
