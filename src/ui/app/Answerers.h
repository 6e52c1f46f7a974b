#pragma once

namespace vornic {
class UserInterface;
}

namespace vornic::ui {

class DialogPrompts;

// Who answers the modal questions of the windows: the core's questions, messages and file
// dialogs (Ui) and the dialogs' own prompts (Prompts). Null members mean the real Qt boxes; tests
// put scripted stand-ins here so that nothing modal waits for a user. The objects are borrowed
// and must outlive the windows they are given to.
struct Answerers {
  UserInterface* Ui = nullptr;
  DialogPrompts* Prompts = nullptr;
};

}  // namespace vornic::ui
