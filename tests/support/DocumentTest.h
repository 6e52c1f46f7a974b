#pragma once

#include <gtest/gtest.h>

#include "document/TVornicGame.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"

namespace vornic::test {

// A word search document in a fresh program home, talking to a scripted user. Fixtures that need
// more call DocumentTest::SetUp() first.
class DocumentTest : public ::testing::Test {
 protected:
  TempHome Home;
  ScriptedUserInterface Ui;
  TVornicGame Game;

  void SetUp() override { Game.Init("VornicGame", &Ui); }
};

}  // namespace vornic::test
