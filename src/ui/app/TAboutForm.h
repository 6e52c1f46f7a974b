#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vornic::ui {

class TShellLink;

// "About": the program's icon, product line and build date, where the user's files are, a short
// notice, and "Close". Fixed size, centred on the screen; created for one modal showing.
class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(QWidget* Parent = nullptr);

  QLabel* Label1;
  QFrame* Bevel1;
  QLabel* Label3;
  TShellLink* ShellLink1;
  QFrame* Bevel2;
  QLabel* Label4;
  QFrame* Bevel3;
  QPushButton* Button1;

  // Draws the program's icon at (12, 8).
  void FormPaint();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
};

}  // namespace vornic::ui
