#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "base/EmptyChar.h"
#include "base/RandomGenerator.h"
#include "support/GameFiles.h"
#include "support/ModalAnswer.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempHome.h"
#include "support/Typing.h"
#include "ui/dialogs/ColorComboBox.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/dialogs/TListEditForm.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/wordsearch/TVornicForm.h"

using namespace vornic;
using ui::TVornicForm;

namespace {

QStringList Items(const QListWidget* Box) {
  QStringList Words;
  for (int Row = 0; Row < Box->count(); ++Row) Words << Box->item(Row)->text();
  return Words;
}

// Pixels of the preview drawn in the highlight colour (red letters).
int RedPixels(const QImage& Image) {
  int Count = 0;
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X) {
      const QColor C = Image.pixelColor(X, Y);
      if (C.red() > 160 && C.green() < 90 && C.blue() < 90) ++Count;
    }
  return Count;
}

// The letters of the grid that are not empty.
int Letters(const TVornicGame& Game) {
  return static_cast<int>(Game.Grid.size()) -
         static_cast<int>(std::count(Game.Grid.begin(), Game.Grid.end(), EmptyChar));
}

}  // namespace

class TVornicFormTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  std::unique_ptr<test::ScriptedUserInterface> Ui;
  test::ScriptedPrompts Prompts;
  std::unique_ptr<TVornicForm> Form;

  ui::Answerers Answer() { return {Ui.get(), &Prompts}; }
  std::unique_ptr<TVornicForm> MakeForm() {
    auto Made = std::make_unique<TVornicForm>(Answer());
    Made->resize(500, 420);
    Made->show();
    return Made;
  }
  void Type(TVornicForm& Window, const QString& Word) {
    Window.Edit1->setFocus();
    test::TypeText(Window.Edit1, Word);
    QTest::keyClick(Window.Edit1, Qt::Key_Return);
  }

 private slots:
  void init() {
    Home = std::make_unique<test::TempHome>();
    Ui = std::make_unique<test::ScriptedUserInterface>();
    Prompts = test::ScriptedPrompts();
    Form = MakeForm();
    RandomGenerator::Seed(1234);
  }
  void cleanup() {
    QCOMPARE(Prompts.Unscripted, 0);
    // Nothing left to ask when the window goes.
    Form->Game.Modified = false;
    Form.reset();
    Ui.reset();
    Home.reset();
    QVERIFY(test::NoWindowLeft());
  }

  void startsAsAnUntitledFifteenByTenWordSearch() {
    QCOMPARE(Form->windowTitle(), QString("VornicGame - Untitled.gm"));
    QCOMPARE(Form->Game.GameName, std::string("VornicGame"));
    QCOMPARE(int(Form->Game.Settings.Cols), 15);
    QCOMPARE(int(Form->Game.Settings.Rows), 10);
    QCOMPARE(Form->Game.MetaFile.Width(), 245);
    QVERIFY(!Form->Game.Modified);
    QCOMPARE(Form->minimumSize(), QSize(440, 380));
    const QStringList Arrows{"↑", "↓", "←", "→", "↗", "↖", "↘", "↙"};
    for (int Tag = 1; Tag <= 8; ++Tag) {
      auto* Box = Form->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(Tag));
      QVERIFY(Box);
      QCOMPARE(Box->text(), Arrows[Tag - 1]);
      QCOMPARE(Box->property("Tag").toInt(), Tag);
      QVERIFY(Box->isChecked());
    }
    QVERIFY(Form->findChild<QCheckBox*>("Intersect")->isChecked());
    // The preview shows the empty grid on the button face.
    const QImage& Bitmap = Form->Image1->Bitmap();
    QCOMPARE(Bitmap.size(), Form->Image1->size());
    QCOMPARE(Bitmap.pixelColor(0, 0), Form->Image1->BrushColor);
    QCOMPARE(Bitmap.pixelColor(Bitmap.width() / 2, Bitmap.height() / 2), QColor(Qt::white));
  }

  void menusAndToolBarCarryTheGameCommands() {
    struct Item {
      const char* Name;
      QString Text, Shortcut, Hint;
    };
    const Item Items[] = {
        {"New1", "&New", "Ctrl+N", "New file"},
        {"Open1", "&Open...", "Ctrl+O", "Open file..."},
        {"Save1", "&Save", "Ctrl+S", "Save file"},
        {"Saveas1", "Save &as...", "", "Save as..."},
        {"Exit1", "&Close", "Ctrl+F4", ""},
        {"Savetofile1", "&Save image to file...", "Ctrl+F", "Save output image to file"},
        {"CopyImage1", "&Copy image to Clipboard", "Ctrl+C", "Copy output image to Clipboard"},
        {"CopyasText1", "Copy as &Text", "Ctrl+T", "Copy text table to Clipboard"},
        {"CopyWords1", "Copy &Words to Clipboard", "Ctrl+W", ""},
        {"WordListEditor1", "&Word List Editor", "", "Word List editor..."},
        {"GridSettings1", "&Grid settings", "", "Grid settings..."},
        {"About1", "&About", "", "About"},
    };
    const QList<QAction*> ToolButtons = Form->ToolBar1->actions();
    for (const Item& Expected : Items) {
      QAction* Action = test::FindAction(*Form, Expected.Name);
      QVERIFY2(Action, Expected.Name);
      QCOMPARE(Action->text(), Expected.Text);
      QCOMPARE(Action->shortcut().toString(), Expected.Shortcut);
      // What has a hint is on the tool bar, with the hint as its tip.
      QCOMPARE(ToolButtons.contains(Action), !Expected.Hint.isEmpty());
      if (!Expected.Hint.isEmpty()) QCOMPARE(Action->toolTip(), Expected.Hint);
    }
    QCOMPARE(Form->FileMenu->title(), QString("&File"));
    QCOMPARE(Form->ExportMenu->title(), QString("&Export"));
    QCOMPARE(Form->GameMenu->title(), QString("&Game"));
    QCOMPARE(Form->HelpMenu->title(), QString("&Help"));
    QStringList GameItems;
    for (QAction* Action : Form->GameMenu->actions())
      if (!Action->isSeparator()) GameItems << Action->text();
    QCOMPARE(GameItems, QStringList({"&Word List Editor", "&Grid settings", "&Fill blanks",
                                     "&Clear all", "&Shuffle", "&Refresh", "Zoom to fit"}));
  }

  void enterPlacesTheTypedWordInCapitalsAndEmptiesTheInput() {
    Form->Edit1->setFocus();
    test::TypeText(Form->Edit1, "cat");
    QCOMPARE(Form->Edit1->text(), QString("CAT"));
    QTest::keyClick(Form->Edit1, Qt::Key_Return);
    QCOMPARE(Form->Edit1->text(), QString());
    QCOMPARE(Items(Form->ListBox1), QStringList{"CAT"});
    QCOMPARE(Form->Game.Words.size(), std::size_t{1});
    QCOMPARE(Letters(Form->Game), 3);
    QVERIFY(Form->Game.Modified);
    // The button does the same as the key; Escape only empties the input.
    test::TypeText(Form->Edit1, "dog");
    QTest::mouseClick(Form->EnterButton, Qt::LeftButton);
    test::TypeText(Form->Edit1, "emu");
    QTest::keyClick(Form->Edit1, Qt::Key_Escape);
    QCOMPARE(Form->Edit1->text(), QString());
    QCOMPARE(Items(Form->ListBox1), QStringList({"CAT", "DOG"}));
    QVERIFY(Ui->Messages.empty());
  }

  void emptyInputPlacesNothingAndSaysNothing() {
    Form->Image1->Bitmap().fill(Qt::green);
    QTest::keyClick(Form->Edit1, Qt::Key_Return);
    QVERIFY(Ui->Messages.empty());
    QCOMPARE(Form->ListBox1->count(), 0);
    QVERIFY(Form->Game.Words.empty());
    QVERIFY(!Form->Game.Modified);
    // The preview was drawn again.
    const QImage& Bitmap = Form->Image1->Bitmap();
    QCOMPARE(Bitmap.pixelColor(Bitmap.width() / 2, Bitmap.height() / 2), QColor(Qt::white));
  }

  void withEveryDirectionOffEvenAnEmptyInputIsRefused() {
    for (QCheckBox* Box : Form->CheckBoxes) QTest::mouseClick(Box, Qt::LeftButton);
    QVERIFY(!Form->Placement().AnyEnabled());
    QTest::keyClick(Form->Edit1, Qt::Key_Return);
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QCOMPARE(Ui->Messages[0].Title, std::string("Warning"));
    QCOMPARE(Ui->Messages[0].Text, std::string("No directions specified"));
  }

  void onlyTheCheckedDirectionIsUsed() {
    // Leave "→" (CheckBox4) alone on: every word then reads left to right.
    for (QCheckBox* Box : Form->CheckBoxes)
      if (Box->objectName() != "CheckBox4") QTest::mouseClick(Box, Qt::LeftButton);
    for (int i = 0; i < 8; ++i) Type(*Form, "AB");
    QCOMPARE(Form->Game.Words.size(), std::size_t{8});
    for (const std::string& Entry : Form->Game.Words) {
      // Word, EmptyChar, then (x, y) of each letter: the second letter one column further.
      QCOMPARE(Entry.size(), std::size_t{7});
      QCOMPARE(Entry[5] - Entry[3], 1);
      QCOMPARE(Entry[6], Entry[4]);
    }
  }

  void clickingAListedWordHighlightsItsCells() {
    Type(*Form, "HORSE");
    Type(*Form, "CAT");
    QCOMPARE(RedPixels(Form->Image1->Bitmap()), 0);
    QTest::mouseClick(Form->ListBox1->viewport(), Qt::LeftButton, {},
                      Form->ListBox1->visualItemRect(Form->ListBox1->item(0)).center());
    const int Highlighted = RedPixels(Form->Image1->Bitmap());
    QVERIFY(Highlighted > 0);
    // Refresh takes the highlight away; a second click on the same word brings it back.
    QTest::mouseClick(Form->RefreshButton, Qt::LeftButton);
    QCOMPARE(RedPixels(Form->Image1->Bitmap()), 0);
    QTest::mouseClick(Form->ListBox1->viewport(), Qt::LeftButton, {},
                      Form->ListBox1->visualItemRect(Form->ListBox1->item(0)).center());
    QCOMPARE(RedPixels(Form->Image1->Bitmap()), Highlighted);
  }

  void onlyTheUsersOwnChoiceHighlightsAWord() {
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    Type(*Form, "HORSE");
    Type(*Form, "CAT");
    // Taking the focus makes a row current: no choice, so no answer in the picture.
    Form->ListBox1->setFocus(Qt::TabFocusReason);
    QCOMPARE(RedPixels(Form->Image1->Bitmap()), 0);
    QTest::keyClick(Form->ListBox1, Qt::Key_Down);
    QVERIFY(RedPixels(Form->Image1->Bitmap()) > 0);
    // A new size, Fill Blanks and Refresh show the plain grid, also in what Copy takes.
    Form->resize(Form->width() + 40, Form->height() + 30);
    QCoreApplication::processEvents();
    QCOMPARE(RedPixels(Form->Image1->Bitmap()), 0);
    QCOMPARE(Form->ListBox1->currentRow(), -1);
    QTest::keyClick(Form->ListBox1, Qt::Key_Down);
    QVERIFY(RedPixels(Form->Image1->Bitmap()) > 0);
    QTest::mouseClick(Form->FillBlanksButton, Qt::LeftButton);
    QCOMPARE(RedPixels(Form->Image1->Bitmap()), 0);
  }

  void aWordThatCannotBePlacedStaysInTheBoxWithTheReason() {
    test::TypeText(Form->Edit1, "abcdefghijklmnopq");
    QTest::keyClick(Form->Edit1, Qt::Key_Return);
    QCOMPARE(Form->Edit1->text(), QString("ABCDEFGHIJKLMNOPQ"));
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(
        Ui->Messages[0].Text.starts_with("Could not insert word ABCDEFGHIJKLMNOPQ\nThe word is "
                                         "longer than the grid"));
  }

  void zoomToFitEnlargesThePictureAndIsRemembered() {
    Type(*Form, "CAT");
    Form->resize(1000, 760);
    QCoreApplication::processEvents();
    const QImage& Bitmap = Form->Image1->Bitmap();
    // At its own size the picture is 245 units wide: 200 to the right of the centre is outside.
    const QPoint Outside(Bitmap.width() / 2 + 200, Bitmap.height() / 2);
    QCOMPARE(Bitmap.pixelColor(Outside), Form->Image1->BrushColor);
    QAction* Zoom = test::FindAction(*Form, "ZoomToFit1");
    QVERIFY(Form->GameMenu->actions().contains(Zoom) && Zoom->isCheckable() && !Zoom->isChecked());
    Zoom->trigger();
    QVERIFY(Form->Image1->Bitmap().pixelColor(Outside) != Form->Image1->BrushColor);
    TVornicForm Next(Answer());
    QVERIFY(test::FindAction(Next, "ZoomToFit1")->isChecked());
  }

  void newAnsweredCancelKeepsEverything() {
    Type(*Form, "CAT");
    QTest::mouseClick(Form->CheckBoxes[0], Qt::LeftButton);
    const std::string Grid = Form->Game.Grid;
    const QImage Preview = Form->Image1->Bitmap().copy();
    Ui->Answers.push_back(Answer::Cancel);
    test::FindAction(*Form, "New1")->trigger();
    QCOMPARE(Ui->Questions.size(), std::size_t{1});
    QCOMPARE(Ui->Questions[0].Text, std::string("Do you want to save changes to 'Untitled'?"));
    QCOMPARE(Form->Game.Grid, Grid);
    QCOMPARE(int(Form->Game.Settings.Cols), 15);
    QCOMPARE(Items(Form->ListBox1), QStringList{"CAT"});
    QVERIFY(!Form->CheckBoxes[0]->isChecked());
    QVERIFY(!Form->Placement().IsEnabled({0, -1}));
    QVERIFY(Form->Game.Modified);
    QCOMPARE(Form->Image1->Bitmap(), Preview);
  }

  void newAnsweredNoStartsAfreshWithEveryDirection() {
    Type(*Form, "CAT");
    QTest::mouseClick(Form->CheckBoxes[2], Qt::LeftButton);
    Ui->Answers.push_back(Answer::No);
    Form->NewFile();
    QCOMPARE(Form->ListBox1->count(), 0);
    QCOMPARE(Letters(Form->Game), 0);
    QVERIFY(Form->CheckBoxes[2]->isChecked());
    QVERIFY(Form->Placement().IsEnabled({-1, 0}));
    QVERIFY(!Form->Game.Modified);
    QVERIFY(Ui->SaveRequests.empty());
  }

  void answeringYesSavesInTheSizeTheGridHas() {
    // The starting size of New must not reach the file that the question saves.
    Form->Game.SetSize(5, 4);
    Form->Game.ClearGrid();
    Form->Game.ResizeImage();
    Type(*Form, "CAT");
    const auto Target = *Home / "small.gm";
    Ui->Answers.push_back(Answer::Yes);
    Ui->SaveReplies.push_back(Target.string());
    Form->NewFile();
    TVornicGame Saved;
    Saved.Init("VornicGame", nullptr);
    QVERIFY(Saved.LoadFromFile(Target.string()));
    QCOMPARE(int(Saved.Settings.Cols), 5);
    QCOMPARE(Saved.Grid.size(), std::size_t{20});
    QCOMPARE(int(Form->Game.Settings.Cols), 15);
    QCOMPARE(Form->Game.Grid.size(), std::size_t{150});
  }

  void openListsTheFileWordsAndKeepsTheDirections() {
    const auto File = *Home / "animals.gm";
    test::WriteGameFile(File, "VornicGame", 6, 4, {"CAT", "DOG", "HORSE"});
    QTest::mouseClick(Form->CheckBoxes[5], Qt::LeftButton);
    QTest::mouseClick(Form->Intersect, Qt::LeftButton);
    Ui->OpenReplies.push_back(File.string());
    test::FindAction(*Form, "Open1")->trigger();
    QCOMPARE(Form->windowTitle(), QString("VornicGame - animals.gm"));
    QCOMPARE(Items(Form->ListBox1), QStringList({"CAT", "DOG", "HORSE"}));
    QCOMPARE(int(Form->Game.Settings.Cols), 6);
    QVERIFY(!Form->CheckBoxes[5]->isChecked());
    QVERIFY(!Form->Intersect->isChecked());
    QCOMPARE(Ui->OpenRequests[0].Filter, std::string("Vornic Game (*.gm)|*.gm"));
    // The list's rows are the entries: clicking HORSE highlights five cells.
    Form->ShowChosenWord(2);
    QVERIFY(RedPixels(Form->Image1->Bitmap()) > 0);
    QCOMPARE(Form->Game.WordCells(2).find('H'), std::size_t{12});
  }

  void openOfAForeignOrDamagedFileKeepsTheWindowAsItWas() {
    Type(*Form, "CAT");
    const std::string Grid = Form->Game.Grid;
    const auto Maze = *Home / "maze.gm";
    test::WriteGameFile(Maze, "WordMaze", 5, 5, {"EMU"});
    const auto Damaged = *Home / "damaged.gm";
    test::WriteFile(Damaged, std::string("\x0A\0\0\0VornicGame", 14));
    for (const auto& File : {Maze, Damaged}) {
      Ui->Answers.push_back(Answer::No);
      Form->Game.Modified = true;
      QVERIFY(!Form->OpenVornicG(File.string()));
      QCOMPARE(Form->Game.Grid, Grid);
      QCOMPARE(Items(Form->ListBox1), QStringList{"CAT"});
      QCOMPARE(Form->windowTitle(), QString("VornicGame - Untitled.gm"));
    }
    // Without a main window no one takes the maze file: both are told as unreadable.
    QCOMPARE(Ui->Messages.size(), std::size_t{2});
  }

  void saveAndReopenGiveTheSamePuzzle() {
    Type(*Form, "GIRAFFE");
    Type(*Form, "ZEBRA");
    QTest::mouseClick(Form->FillBlanksButton, Qt::LeftButton);
    const auto File = *Home / "zoo.gm";
    Ui->SaveReplies.push_back(File.string());
    test::FindAction(*Form, "Save1")->trigger();
    QCOMPARE(Form->windowTitle(), QString("VornicGame - zoo.gm"));
    QVERIFY(!Form->Game.Modified);
    // Save again goes to the same file without a dialog.
    test::FindAction(*Form, "Save1")->trigger();
    QCOMPARE(Ui->SaveRequests.size(), std::size_t{1});

    TVornicForm Second(Answer());
    QVERIFY(Second.OpenVornicG(File.string()));
    QCOMPARE(Second.Game.Grid, Form->Game.Grid);
    QCOMPARE(Items(Second.ListBox1), QStringList({"GIRAFFE", "ZEBRA"}));
  }

  void fillBlanksFillsAndMarksAndClearAllEmpties() {
    Type(*Form, "CAT");
    Form->Game.Modified = false;
    QTest::mouseClick(Form->FillBlanksButton, Qt::LeftButton);
    QCOMPARE(Letters(Form->Game), 150);
    QVERIFY(Form->Game.Modified);  // closing must ask before the fill is lost
    QTest::mouseClick(Form->ClearAllButton, Qt::LeftButton);
    QCOMPARE(Letters(Form->Game), 0);
    QCOMPARE(Form->ListBox1->count(), 0);
    QVERIFY(Form->Game.Modified);
  }

  void copyWordsPutsEachWordWithALineEnd() {
    test::FindAction(*Form, "CopyWords1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    Type(*Form, "CAT");
    Type(*Form, "DOG");
    test::FindAction(*Form, "CopyWords1")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("CAT\r\nDOG\r\n"));
    QCOMPARE(Ui->Clipboard.back().Text.value(), std::string("CAT\r\nDOG\r\n"));
  }

  void copyCommandsPutThePictureAndTheTable() {
    Type(*Form, "CAT");
    test::FindAction(*Form, "CopyImage1")->trigger();
    const QMimeData* Data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(Data->hasFormat("image/png"));
    QVERIFY(Data->hasFormat("image/x-emf"));
    QVERIFY(Data->hasFormat("image/svg+xml"));
    QCOMPARE(Ui->Clipboard.back().Picture, &Form->Game.MetaFile);
    test::FindAction(*Form, "CopyasText1")->trigger();
    const QString Table = QGuiApplication::clipboard()->text();
    QCOMPARE(Table.count("\r\n"), 10);
    QCOMPARE(Table.count('\t'), 140);
  }

  void saveImageWritesTheFormatOfTheChosenName() {
    Type(*Form, "CAT");
    const auto Png = *Home / "cat.png";
    const auto Emf = *Home / "cat.emf";
    Ui->SaveReplies.push_back(Png.string());
    Ui->SaveReplies.push_back(Emf.string());
    test::FindAction(*Form, "Savetofile1")->trigger();
    test::FindAction(*Form, "Savetofile1")->trigger();
    QCOMPARE(Ui->SaveRequests[0].ProposedName, std::string("Untitled.emf"));
    QVERIFY(Ui->SaveRequests[0].Filter.starts_with("Enhanced Windows Meta File (*.emf)|*.emf|"));
    QImage Decoded(QString::fromStdString(Png.string()));
    QVERIFY(!Decoded.isNull());
    // Four pixels per picture unit.
    QCOMPARE(Decoded.size(), QSize(245 * 4, 165 * 4));
    QCOMPARE(test::ReadFile(Emf).substr(0, 4), std::string("\x01\0\0\0", 4));
    QVERIFY(Ui->Messages.empty());
  }

  void colourChangeKeepsLettersAndSizeChangePlacesAgain() {
    Type(*Form, "CAT");
    Type(*Form, "DOG");
    QTest::mouseClick(Form->FillBlanksButton, Qt::LeftButton);
    const std::string Filled = Form->Game.Grid;
    test::ModalAnswer Colour([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
      QVERIFY(Dialog);
      QVERIFY(Dialog->CellsGroup->isHidden());
      Dialog->ColorComboBox2->SetColor(0x00FFFF);
      Dialog->OkButton->click();
    });
    test::FindAction(*Form, "GridSettings1")->trigger();
    QVERIFY(Colour.Done());
    QCOMPARE(Form->Game.Grid, Filled);
    QCOMPARE(Form->Game.Settings.BackColor, std::uint32_t{0x00FFFF});
    QVERIFY(Form->Game.Modified);

    test::ModalAnswer Size([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TGridForm*>(Window);
      QVERIFY(Dialog);
      Dialog->SpinEdit2->setValue(8);
      Dialog->SpinEdit1->setValue(6);
      Dialog->OkButton->click();
    });
    test::FindAction(*Form, "GridSettings1")->trigger();
    QVERIFY(Size.Done());
    QCOMPARE(int(Form->Game.Settings.Cols), 8);
    QCOMPARE(Form->Game.Grid.size(), std::size_t{48});
    // Only the two words again: the filled letters are gone.
    QCOMPARE(Letters(Form->Game), 6);
    QCOMPARE(Form->Game.Words.size(), std::size_t{2});
    QCOMPARE(Items(Form->ListBox1), QStringList({"CAT", "DOG"}));
    QCOMPARE(Form->Game.MetaFile.Width(), 8 * 16 + 5);
  }

  void theWordListEditorReplacesTheList() {
    Type(*Form, "CAT");
    test::ModalAnswer Editor([](QWidget* Window) {
      auto* Dialog = qobject_cast<ui::TListEditForm*>(Window);
      QVERIFY(Dialog);
      QCOMPARE(Dialog->UserWords(), QStringList{"CAT"});
      Dialog->SetUserWords({"LION", "TIGER", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"});
      Dialog->OkButton->click();
    });
    test::FindAction(*Form, "WordListEditor1")->trigger();
    QVERIFY(Editor.Done());
    // The word too long for any direction is told and left out.
    QCOMPARE(Items(Form->ListBox1), QStringList({"LION", "TIGER"}));
    QCOMPARE(Form->Game.Words.size(), std::size_t{2});
    QCOMPARE(Ui->Messages.size(), std::size_t{1});
    QVERIFY(Ui->Messages[0].Text.starts_with("Could not insert word ABCDEF"));
  }

  void twoWindowsKeepTheirOwnListsAndDirections() {
    TVornicForm Other(Answer());
    Other.show();
    Type(*Form, "CAT");
    Type(Other, "DOG");
    QTest::mouseClick(Other.CheckBoxes[3], Qt::LeftButton);
    QTest::mouseClick(Other.Intersect, Qt::LeftButton);
    QCOMPARE(Items(Form->ListBox1), QStringList{"CAT"});
    QCOMPARE(Items(Other.ListBox1), QStringList{"DOG"});
    QVERIFY(Form->Placement().IsEnabled({1, 0}));
    QVERIFY(!Other.Placement().IsEnabled({1, 0}));
    QVERIFY(Form->Placement().Intersect);
    QVERIFY(!Other.Placement().Intersect);
    QCOMPARE(Form->Game.Words.size(), std::size_t{1});
    Other.Game.Modified = false;
  }

  void closingAModifiedWindowAsksAndCancelKeepsIt() {
    Type(*Form, "CAT");
    Ui->Answers.push_back(Answer::Cancel);
    QVERIFY(!Form->close());
    QVERIFY(Form->isVisible());
    Ui->Answers.push_back(Answer::No);
    QVERIFY(Form->close());
    QCOMPARE(Ui->Questions.size(), std::size_t{2});
  }

  void aboutShowsTheAboutBox() {
    test::ModalAnswer Reader([](QWidget* Window) {
      QCOMPARE(Window->windowTitle(), QString("About"));
      Window->close();
    });
    test::FindAction(*Form, "About1")->trigger();
    QVERIFY(Reader.Done());
  }

  void thePreviewFollowsTheWindowSize() {
    Type(*Form, "CAT");
    Form->resize(900, 700);
    QCoreApplication::processEvents();
    const QImage& Bitmap = Form->Image1->Bitmap();
    QCOMPARE(Bitmap.size(), Form->Image1->size());
    // Room enough: the picture at its own size, centred.
    const QPoint Centre(Bitmap.width() / 2, Bitmap.height() / 2);
    const QPoint Corner(Centre.x() - 245 / 2, Centre.y() - 165 / 2);
    QCOMPARE(Bitmap.pixelColor(Corner + QPoint(-3, -3)), Form->Image1->BrushColor);
    QCOMPARE(Bitmap.pixelColor(Corner + QPoint(6, 6)), QColor(Qt::white));
  }
};

QTEST_MAIN(TVornicFormTest)
#include "TVornicFormTest.moc"
