#include "support/ModalAnswer.h"

#include <QWidget>

namespace vornic::test {

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> GivenAction)
    : Action(std::move(GivenAction)), Before(QApplication::activeModalWidget()) {
  Timer.setInterval(10);
  connect(&Timer, &QTimer::timeout, this, &ModalAnswer::Poll);
  Timer.start();
}

ModalAnswer::~ModalAnswer() {
  Timer.stop();
}

void ModalAnswer::Poll() {
  QWidget* Modal = QApplication::activeModalWidget();
  if (Modal != nullptr && Modal != Before) {
    Timer.stop();
    Answered = true;
    AnsweredClass = QString::fromLatin1(Modal->metaObject()->className());
    Action(Modal);
    return;
  }
  if (++Attempts > 500) Timer.stop();
}

bool NoWindowLeft() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return QApplication::topLevelWidgets().isEmpty();
}

}  // namespace vornic::test
