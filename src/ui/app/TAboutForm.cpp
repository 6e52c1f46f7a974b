#include "ui/app/TAboutForm.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "base/AppPaths.h"
#include "ui/app/AppIcon.h"
#include "ui/app/TShellLink.h"

namespace vornic::ui {
namespace {

QFrame* Separator(QWidget* Parent, const char* Name, int X, int Y) {
  auto* Line = new QFrame(Parent);
  Line->setObjectName(QString::fromLatin1(Name));
  Line->setFrameShape(QFrame::HLine);
  Line->setFrameShadow(QFrame::Sunken);
  Line->setGeometry(X, Y, 246, 2);
  return Line;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("About"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(259, 220);

  Label1 = new QLabel(QStringLiteral("Vornic Pack 1.0 beta\nBuild date: May 02 2001"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont Bold = Label1->font();
  Bold.setBold(true);
  Label1->setFont(Bold);
  Label1->move(57, 11);
  Label1->adjustSize();

  Bevel1 = Separator(this, "Bevel1", 6, 48);

  Label3 = new QLabel(QStringLiteral("Files:"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(14, 59, 38, 26);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  // The folder of the saved word lists and the settings file: what a teacher looks for when
  // moving lists to another machine.
  ShellLink1 = new TShellLink(this);
  ShellLink1->setObjectName(QStringLiteral("ShellLink1"));
  ShellLink1->setText(QStringLiteral("word lists"));
  ShellLink1->Link = QString::fromStdString(AppPaths::WordListsFolder().string());
  ShellLink1->setToolTip(ShellLink1->Link);
  ShellLink1->move(52, 59);
  ShellLink1->adjustSize();

  Bevel2 = Separator(this, "Bevel2", 7, 93);

  Label4 = new QLabel(
      QStringLiteral("Makes printable word puzzles: word search, word maze, word labyrinth, "
                     "jumbled text and lost letters. Free software under the GNU GPL, version 2 "
                     "or later, with no warranty."),
      this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setWordWrap(true);
  Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label4->setGeometry(14, 104, 231, 77);

  Bevel3 = Separator(this, "Bevel3", 8, 183);

  Button1 = new QPushButton(QStringLiteral("Close"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(93, 191, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::FormPaint() {
  QPainter Painter(this);
  Painter.drawPixmap(12, 8, AppIcon::Pixmap(32));
}

void TAboutForm::paintEvent(QPaintEvent* Event) {
  QDialog::paintEvent(Event);
  FormPaint();
}

void TAboutForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  // Centred on the desktop, not on the window that asked.
  if (const QScreen* Screen = screen() ? screen() : QGuiApplication::primaryScreen())
    move(Screen->availableGeometry().center() - rect().center());
}

}  // namespace vornic::ui
