#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "games/labyrinth/LabyrinthEntry.h"
#include "render/PictureImage.h"
#include "support/GameFiles.h"
#include "support/Typing.h"
#include "support/WindowHarness.h"
#include "ui/app/TmainGameForm.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/labyrinth/TLabirintForm.h"

using namespace vornic;
using ui::TLabirintForm;

namespace {

constexpr int Cell = 16;

// The picture as a reader sees it, one pixel per unit.
QImage Picture(const TLabirintForm& Form) {
  return render::RenderImage(Form.Game.MetaFile);
}
QColor Centre(const QImage& Image, GridCell At) {
  return Image.pixelColor(At.X * Cell - 7, At.Y * Cell - 7);
}
int Count(const QImage& Image, QRgb Colour) {
  int Found = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) Found += Image.pixel(X, Y) == (Colour | 0xFF000000u);
  return Found;
}
constexpr QRgb Red = 0xFF0000, Green = 0x008000;

}  // namespace

class TLabirintFormTest : public QObject, test::FormHarness<TLabirintForm> {
  Q_OBJECT

  void Build(const QString& Text) {
    auto* Edit = test::Child<QLineEdit>(*Form, "Edit1");
    Edit->clear();
    test::TypeText(Edit, Text);
    QTest::mouseClick(test::Child<QPushButton>(*Form, "Button1"), Qt::LeftButton);
  }
  QCheckBox* Switch(const char* Name) const { return test::Child<QCheckBox>(*Form, Name); }

 private slots:
  void init() { Start(560, 460, 5); }
  void cleanup() { Finish(); }

  void theRedPathLiesOverTheGreenTrapsAndTheSwitchesRedrawAtOnce() {
    QCOMPARE(Form->windowTitle(), QString("WordLabirint - Untitled.gm[*]"));
    QVERIFY(!Switch("cbText")->isChecked());
    Build("the quick brown fox jumps");
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(Form->Game.Words.size() > 1);
    const LabyrinthEntry Main = LabyrinthEntry::Parse(Form->Game.Words[0]);
    QCOMPARE(Main.Item, std::string("THE QUICK BROWN FOX JUMPS"));
    QImage All = Picture(*Form);
    for (std::size_t i = 1; i < Main.Cells.size(); ++i)
      QCOMPARE(Centre(All, Main.Cells[i]), QColor(Red));
    QVERIFY(Count(All, Green) > 0);
    QTest::mouseClick(Switch("cbPath"), Qt::LeftButton);
    QCOMPARE(Count(Picture(*Form), Red), 0);
    QVERIFY(Count(Picture(*Form), Green) > 0);

    // The puzzle: letters and the start mark only.
    QTest::mouseClick(Switch("cbTrap"), Qt::LeftButton);
    QTest::mouseClick(Switch("cbText"), Qt::LeftButton);
    const QImage Puzzle = Picture(*Form);
    QCOMPARE(Count(Puzzle, Red) + Count(Puzzle, Green), 0);
    const GridCell Start = *Form->StartCell();
    QCOMPARE(Start, Main.Cells[0]);
    QCOMPARE(Puzzle.pixelColor(Start.X * Cell - 14, Start.Y * Cell), QColor(Qt::black));
  }

  void refusedTextAndNoPathAreTold() {
    Build(QStringLiteral("ЖУК"));
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.starts_with("The text: The character \"Ж\""));
    QVERIFY(Form->Game.Words.empty());
    Build(QString(200, QLatin1Char('A')));
    QCOMPARE(Ui->Messages.size(), std::size_t{2});
    QVERIFY(Ui->Messages[1].Text.starts_with("The text does not fit a 15 x 10 grid"));
    QVERIFY(Ui->Messages[1].Text.find("A 15 x 10 grid holds texts of up to 60 letters") !=
            std::string::npos);
    QVERIFY(Form->Game.Words.empty());
  }

  void buildSaveReopenWithTheStartMark() {
    Build("WORD LABYRINTH");
    const auto File = *Home / "lab.gm";
    Ui->SaveReplies.push_back(File.string());
    test::FindAction(*Form, "Save1")->trigger();

    // Opened from the launcher: the file's own window, the start and the text from entry 0.
    ui::TmainGameForm::Options Start;
    Start.Answer = Answer();
    Start.Associate = false;
    ui::TmainGameForm Main(Start);
    QVERIFY(test::FindAction(Main, "WordMaze1")->isEnabled() &&
            test::FindAction(Main, "WordLabirint1")->isEnabled());
    Main.OpenGameFile(File.string());
    auto* Opened = qobject_cast<TLabirintForm*>(Main.GameWindows().back());
    QVERIFY(Opened);
    QCOMPARE(test::Child<QLineEdit>(*Opened, "Edit1")->text(), QString("WORD LABYRINTH"));
    QCOMPARE(Opened->Game.Grid, Form->Game.Grid);
    const GridCell First = LabyrinthEntry::Parse(Opened->Game.Words[0]).Cells[0];
    QCOMPARE(*Opened->StartCell(), First);
    QCOMPARE(Picture(*Opened).pixelColor(First.X * Cell - 14, First.Y * Cell), QColor(Qt::black));

    QVERIFY(Ui->Messages.empty());
  }
};

QTEST_MAIN(TLabirintFormTest)
#include "TLabirintFormTest.moc"
