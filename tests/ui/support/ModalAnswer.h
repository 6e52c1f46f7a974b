#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <functional>

namespace vornic::test {

// Acts on the next modal window that opens (a dialog shown with exec, a message box), from
// inside its own event loop: the test's stand-in for the user. Gives up after about five
// seconds without one, so a test never waits forever on a window that did not come.
class ModalAnswer : public QObject {
  Q_OBJECT

 public:
  explicit ModalAnswer(std::function<void(QWidget*)> Action);
  ~ModalAnswer() override;

  // Whether the action ran, and on which window's class.
  bool Done() const { return Answered; }
  QString WindowClass() const { return AnsweredClass; }

 private:
  void Poll();

  std::function<void(QWidget*)> Action;
  QWidget* Before;
  QTimer Timer;
  int Attempts = 0;
  bool Answered = false;
  QString AnsweredClass;
};

// True when no window of the program is left (after pending deletions ran).
bool NoWindowLeft();

}  // namespace vornic::test
