#include "ui/games/TGameForm.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "base/DocumentError.h"
#include "games/GameDescriptor.h"
#include "games/GameTable.h"
#include "games/GameText.h"
#include "picture/PictureFormat.h"
#include "render/PictureExport.h"
#include "ui/app/TAboutForm.h"
#include "ui/app/WindowSettings.h"
#include "ui/dialogs/TGridForm.h"
#include "ui/games/GameWindowParts.h"
#include "ui/games/PreviewRoutines.h"
#include "ui/games/PuzzleStep.h"
#include "ui/games/RecentMenu.h"
#include "ui/games/TPreviewImage.h"
#include "ui/games/ToolIcons.h"
#include "ui/games/WorksheetCommands.h"
#include "ui/help/GuidePages.h"
#include "ui/help/THelpWindow.h"
#include "webpage/WebPage.h"

namespace vornic::ui {
namespace {

// PNG gets four pixels per picture unit so that a printed page stays sharp.
constexpr double PngScale = 4.0;

// Every picture format after the EMF one, which the document's Save dialog offers first.
std::string MoreImageFilters() {
  std::string Filters;
  for (const PictureFormatInfo& Info : PictureFormats()) {
    if (Info.Format == PictureFormat::Emf) continue;
    Filters += (Filters.empty() ? "" : "|") + PictureFilter(Info.Format);
  }
  return Filters;
}

// What the window's key routing needs to know of a text input; Input is false for other widgets.
struct TextInput {
  bool Input = false;
  bool Selected = false;
  bool CanUndo = false;
  bool CanRedo = false;
};

TextInput TextInputOf(QObject* Widget) {
  QLineEdit* Line = qobject_cast<QLineEdit*>(Widget);
  // A spin box takes the keys for the line edit inside it.
  if (auto* Spin = qobject_cast<QAbstractSpinBox*>(Widget)) Line = Spin->findChild<QLineEdit*>();
  if (Line)
    return {true, Line->hasSelectedText(), Line->isUndoAvailable(), Line->isRedoAvailable()};
  if (auto* Text = qobject_cast<QPlainTextEdit*>(Widget))
    return {true, Text->textCursor().hasSelection(), Text->document()->isUndoAvailable(),
            Text->document()->isRedoAvailable()};
  return {};
}

// Whether Key, pressed in Input, is for the window's command rather than for the input.
bool PassesToCommand(const TextInput& Input, const QKeyEvent& Key) {
  if (!Input.Input) return false;
  if (Key.matches(QKeySequence::Copy)) return !Input.Selected;
  // Undo and redo take back typing inside the input while it has some; then the window's steps.
  if (Key.matches(QKeySequence::Undo)) return !Input.CanUndo;
  const QKeyCombination Pressed = Key.keyCombination();
  if (Key.matches(QKeySequence::Redo) || Pressed == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
      Pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z))
    return !Input.CanRedo;
  return false;
}

}  // namespace

std::function<void(const std::string& FileName)> TGameForm::RecentOpener;

TGameForm::TGameForm(const std::string& GameName, const Answerers& Answer,
                     const FrameLayout& Layout, QWidget* Parent)
    : QWidget(Parent), Uses(Layout), Answering(Answer), WindowUi(this, Answer.Ui) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QStringLiteral("Vornic Game[*]"));
  setWindowIcon(QIcon());

  auto* Left = PreviewColumn = new QVBoxLayout;
  Left->setContentsMargins(0, 0, 0, 0);
  Left->setSpacing(2);
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setIconSize(QSize(16, 16));
  Left->addWidget(ToolBar1);
  Preview = new QGroupBox(QStringLiteral(" Preview: "), this);
  Preview->setObjectName(QStringLiteral("Preview"));
  auto* PreviewLayout = new QVBoxLayout(Preview);
  PreviewLayout->setContentsMargins(4, 4, 4, 4);
  Image1 = new TPreviewImage(Preview);
  Image1->setObjectName(QStringLiteral("Image1"));
  PreviewLayout->addWidget(Image1);
  Left->addWidget(Preview, 1);

  Body = new QHBoxLayout(this);
  Body->setContentsMargins(4, 2, 4, 4);
  Body->setSpacing(4);
  Body->addLayout(Left, 1);

  BuildActions();
  BuildMenus();
  BuildToolBar();

  Game.Init(GameName, &WindowUi);
  Game.ImageWriter = [](const TDrawMetaFile& Picture, const std::string& Name) {
    render::ExportPicture(Picture, Name, PngScale);
  };
  Game.MoreImageFilters = MoreImageFilters();
  // The game windows' previews show on the system's button face.
  Image1->BrushColor = palette().color(QPalette::Button);
  Image1->ZoomToFit = ZoomToFit1->isChecked();
  Image1->OnResize = [this] { FormResize(); };
  // Every change of the picture, whichever command made it, shows at once.
  Game.OnPictureChanged = [this] {
    RedrawPreview(*Image1, Game);
    ShowModified();
  };
  // A new or opened puzzle starts a new record of steps; a saved one is its clean moment.
  Game.OnReplaced = [this] {
    Steps->clear();
    SavedPuzzle.emplace(Game);
    SettleTriggers();
    ShowModified();
  };
  Game.OnSaved = [this] {
    Steps->setClean();
    SavedPuzzle.emplace(Game);
    ShowModified();
  };
}

TGameForm::~TGameForm() {
  // The menus may sit in the main window's menu bar; they go with this window.
  delete FileMenu;
  delete EditMenu;
  delete ExportMenu;
  delete GameMenu;
  delete HelpMenu;
}

void TGameForm::BuildActions() {
  New1 = MakeAction(this, "New1", "&New", "Ctrl+N", "New file");
  Open1 = MakeAction(this, "Open1", "&Open...", "Ctrl+O", "Open file...");
  Save1 = MakeAction(this, "Save1", "&Save", "Ctrl+S", "Save file");
  Saveas1 = MakeAction(this, "Saveas1", "Save &as...", "", "Save as...");
  Exit1 = MakeAction(this, "Exit1", "&Close", "Ctrl+F4", "");
  Savetofile1 = MakeAction(this, "Savetofile1", "&Save image to file...", "Ctrl+F",
                           "Save output image to file");
  CopyImage1 = MakeAction(this, "CopyImage1", "&Copy image to Clipboard", "Ctrl+C",
                          "Copy output image to Clipboard");
  CopyasText1 =
      MakeAction(this, "CopyasText1", "Copy as &Text", "Ctrl+T", "Copy text table to Clipboard");
  Contents1 = MakeAction(this, "Contents1", "&Contents", "F1", "");
  About1 = MakeAction(this, "About1", "&About", "", "About");
  ZoomToFit1 = MakeAction(this, "ZoomToFit1", "Zoom to fit", "", "");
  ZoomToFit1->setCheckable(true);
  ZoomToFit1->setChecked(WindowSettings::ZoomToFit());

  New1->setIcon(ToolIcon(ToolGlyph::New));
  Open1->setIcon(ToolIcon(ToolGlyph::Open));
  Save1->setIcon(ToolIcon(ToolGlyph::Save));
  Saveas1->setIcon(ToolIcon(ToolGlyph::SaveAs));
  Savetofile1->setIcon(ToolIcon(ToolGlyph::SaveImage));
  CopyImage1->setIcon(ToolIcon(ToolGlyph::CopyImage));
  CopyasText1->setIcon(ToolIcon(ToolGlyph::CopyText));
  About1->setIcon(ToolIcon(ToolGlyph::About));

  connect(New1, &QAction::triggered, this, [this] { NewFile(); });
  connect(Open1, &QAction::triggered, this, &TGameForm::Open1Click);
  connect(Save1, &QAction::triggered, this, &TGameForm::Save1Click);
  connect(Saveas1, &QAction::triggered, this, &TGameForm::Saveas1Click);
  connect(Exit1, &QAction::triggered, this, &TGameForm::Exit1Click);
  connect(Savetofile1, &QAction::triggered, this, &TGameForm::Savetofile1Click);
  connect(CopyImage1, &QAction::triggered, this, [this] { CopyImage(); });
  connect(CopyasText1, &QAction::triggered, this, [this] { CopyTextTable(); });
  connect(About1, &QAction::triggered, this, &TGameForm::About1Click);
  connect(Contents1, &QAction::triggered, this, &TGameForm::Contents1Click);

  Worksheets = new WorksheetCommands(*this);
  Print1 = MakeAction(this, "Print1", "&Print...", "Ctrl+P", "Print worksheet");
  PrintPreview1 = MakeAction(this, "PrintPreview1", "Print Pre&view...", "", "");
  SaveWorksheet1 = MakeAction(this, "SaveWorksheet1", "Save &worksheet as PDF...", "", "");
  connect(Print1, &QAction::triggered, Worksheets, &WorksheetCommands::Print);
  connect(PrintPreview1, &QAction::triggered, Worksheets, &WorksheetCommands::Preview);
  connect(SaveWorksheet1, &QAction::triggered, Worksheets, &WorksheetCommands::SaveAsPdf);
  SaveWebPage1 = MakeAction(this, "SaveWebPage1", "Save w&eb page to solve...", "", "");
  connect(SaveWebPage1, &QAction::triggered, this,
          [this] { static_cast<void>(vornic::SaveWebPage(Game, Ui())); });
  connect(ZoomToFit1, &QAction::toggled, this, &TGameForm::ZoomToFit1Click);
  BuildSharedGameActions();
  BuildSteps();
}

void TGameForm::BuildSteps() {
  Steps = new QUndoStack(this);
  // Each step keeps the puzzle and its picture twice (a 50 x 50 grid draws some 200 KB): a
  // hundred steps back, as most editors offer, keep a long session's memory bounded.
  Steps->setUndoLimit(100);
  // The item texts name the step: "&Undo Fill Blanks".
  Undo1 = Steps->createUndoAction(this, QStringLiteral("&Undo"));
  Undo1->setObjectName(QStringLiteral("Undo1"));
  Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  Redo1 = Steps->createRedoAction(this, QStringLiteral("&Redo"));
  Redo1->setObjectName(QStringLiteral("Redo1"));
  Redo1->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // Their keys work wherever the window is, with or without the main window's menu bar.
  addActions({Undo1, Redo1});
}

void TGameForm::BuildSharedGameActions() {
  CopyWords1 = MakeAction(this, "CopyWords1", "Copy &Words to Clipboard", "Ctrl+W", "");
  WordListEditor1 =
      MakeAction(this, "WordListEditor1", "&Word List Editor", "", "Word List editor...");
  GridSettings1 = MakeAction(this, "GridSettings1", "&Grid settings", "", "Grid settings...");
  WordListEditor1->setIcon(ToolIcon(ToolGlyph::WordList));
  GridSettings1->setIcon(ToolIcon(ToolGlyph::GridSettings));
  switch (Uses.WordList) {
    case FrameLayout::WordListUse::Edited:
      break;
    case FrameLayout::WordListUse::Greyed:
      // Shown like the other games' items, but greyed, so that they do not seem to fail.
      CopyWords1->setEnabled(false);
      WordListEditor1->setEnabled(false);
      break;
    case FrameLayout::WordListUse::TextOnly:
      WordListEditor1->setEnabled(false);
      break;
  }
  connect(CopyWords1, &QAction::triggered, this, [this] { CopyWords(); });
  connect(WordListEditor1, &QAction::triggered, this, [this] { ListEdit(); });
  connect(GridSettings1, &QAction::triggered, this, &TGameForm::GridSet);
}

void TGameForm::BuildMenus() {
  // Parentless: the main window's menu bar shows them, and this window deletes them.
  FileMenu = new QMenu(QStringLiteral("&File"));
  FileMenu->setObjectName(QStringLiteral("File1"));
  FileMenu->addActions({New1, Open1, Save1, Saveas1});
  Recent1 = MakeRecentMenu(FileMenu, [this](const QString& Name) { OpenRecent(Name); });
  FileMenu->addMenu(Recent1);
  FileMenu->addSeparator();
  FileMenu->addActions({Print1, PrintPreview1});
  FileMenu->addSeparator();
  FileMenu->addAction(Exit1);

  EditMenu = new QMenu(QStringLiteral("&Edit"));
  EditMenu->setObjectName(QStringLiteral("EditMenu"));
  EditMenu->addActions({Undo1, Redo1});

  ExportMenu = new QMenu(QStringLiteral("&Export"));
  ExportMenu->setObjectName(QStringLiteral("Export1"));
  ExportMenu->addActions({Savetofile1, CopyImage1, CopyasText1});
  ExportMenu->addSeparator();
  ExportMenu->addActions({SaveWorksheet1, SaveWebPage1});
  ExportMenu->addAction(CopyWords1);

  GameMenu = new QMenu(QStringLiteral("&Game"));
  GameMenu->setObjectName(QStringLiteral("Game1"));
  GameMenu->addActions({WordListEditor1, GridSettings1});

  HelpMenu = new QMenu(QStringLiteral("&Help"));
  HelpMenu->setObjectName(QStringLiteral("Help1"));
  HelpMenu->addAction(Contents1);
  HelpMenu->addSeparator();
  HelpMenu->addAction(About1);
}

void TGameForm::BuildToolBar() {
  // A game without a word list has no button for it.
  QList<QAction*> Settings{WordListEditor1, GridSettings1};
  if (Uses.WordList != FrameLayout::WordListUse::Edited) Settings.removeOne(WordListEditor1);
  ToolBar1->addActions({New1, Open1, Save1, Saveas1});
  ToolBar1->addSeparator();
  if (Uses.SettingsFirst) {
    ToolBar1->addActions(Settings);
    ToolBar1->addSeparator();
    ToolBar1->addActions({CopyImage1, Savetofile1, CopyasText1});
  } else {
    ToolBar1->addActions({Savetofile1, CopyImage1, CopyasText1});
    ToolBar1->addSeparator();
    ToolBar1->addActions(Settings);
  }
  ToolBar1->addSeparator();
  ToolBar1->addAction(About1);
}

void TGameForm::AddInputStrip(QWidget* Strip) {
  PreviewColumn->insertWidget(PreviewColumn->indexOf(Preview), Strip);
}

void TGameForm::AddGameTools(const QList<QAction*>& Tools) {
  ToolBar1->insertActions(About1, Tools);
  ToolBar1->insertSeparator(About1);
}

void TGameForm::AddGameTool(QWidget* Tool) {
  ToolBar1->insertWidget(About1, Tool);
  ToolBar1->insertSeparator(About1);
}

void TGameForm::GridSet() {
  TGridForm Dialog(this, Answer().Prompts);
  if (!Uses.GridSize) Dialog.SizeGroup->hide();
  if (!Uses.GridCells) Dialog.CellsGroup->hide();
  if (!Uses.GridLanguage) Dialog.LanguageGroup->hide();
  Dialog.SetProps(Game.Settings);
  if (Dialog.exec() != QDialog::Accepted) return;
  // Without its size group the dialog leaves the size and the puzzle alone, whatever they are.
  AsStep(QStringLiteral("Grid Settings"),
         [&] { SettingsApplied(Game.ApplySettings(Dialog.GetProps(Game.Settings))); });
}

void TGameForm::AsStep(const QString& Name, const std::function<void()>& Change) {
  if (InStep) {
    Change();
    return;
  }
  InStep = true;
  WindowMoment Before = Moment(true);
  Change();
  InStep = false;
  WindowMoment After = Moment(false);
  SettleTriggers();
  // Clearing typed inputs of an empty puzzle is a step too: it takes the typing.
  if (After.Document.SamePuzzle(Before.Document) && After.Controls == Before.Controls &&
      After.Window == Before.Window)
    return;
  Steps->push(new PuzzleStep(Name, std::move(Before), std::move(After),
                             [this](const WindowMoment& To) { Restore(To); }));
  for (QObject* Control : StepControls) ForgetTyping(Control);
  ShowModified();
}

void TGameForm::KeepInSteps(const QList<QObject*>& Controls, const QList<QObject*>& Triggers) {
  StepControls << Controls;
  StepTriggers << Triggers;
  SettleTriggers();
}

void TGameForm::SettleTriggers() {
  SettledTriggers.clear();
  for (const QObject* Trigger : StepTriggers) SettledTriggers << ControlState(Trigger);
}

WindowMoment TGameForm::Moment(bool TriggersSettled) const {
  WindowMoment Now{DocumentSnapshot(Game), {}, StepState()};
  for (const QObject* Control : StepControls) {
    const qsizetype Trigger = StepTriggers.indexOf(Control);
    Now.Controls << (TriggersSettled && Trigger >= 0 ? SettledTriggers.value(Trigger)
                                                     : ControlState(Control));
  }
  return Now;
}

void TGameForm::Restore(const WindowMoment& To) {
  To.Document.RestoreTo(Game);
  for (qsizetype i = 0; i < StepControls.size() && i < To.Controls.size(); ++i)
    SetControlState(StepControls[i], To.Controls[i]);
  RestoreStepState(To.Window);
  ControlsRestored();
  for (QObject* Control : StepControls) ForgetTyping(Control);
  SettleTriggers();
  // Whether it needs saving: unless the puzzle is the one last saved (or new, or opened).
  Game.Modified = !SavedPuzzle || !To.Document.SamePuzzle(*SavedPuzzle);
  ShowModified();
  RedrawPreview(*Image1, Game);
}

void TGameForm::ShowModified() {
  setWindowModified(Game.Modified);
}

const GameDescriptor& TGameForm::Descriptor() const {
  // Every window is made for a game of the game table.
  return *DescriptorOf(Game);
}

void TGameForm::Open1Click() {
  if (OpenVornicG({})) WindowSettings::AddRecentFile(QString::fromStdString(Game.FileName));
}

void TGameForm::Save1Click() {
  if (Game.Save()) WindowSettings::AddRecentFile(QString::fromStdString(Game.FileName));
}

void TGameForm::Saveas1Click() {
  if (Game.SaveAs()) WindowSettings::AddRecentFile(QString::fromStdString(Game.FileName));
}

void TGameForm::OpenRecent(const QString& FileName) {
  if (RecentOpener) {
    RecentOpener(FileName.toStdString());
  } else if (OpenVornicG(FileName.toStdString())) {
    WindowSettings::AddRecentFile(FileName);
  }
}

void TGameForm::Exit1Click() {
  if (auto* Frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
    Frame->close();
  else
    close();
}

void TGameForm::Savetofile1Click() {
  Game.SaveImage();
}

void TGameForm::CopyImage() {
  ClipboardContent Content;
  Content.Picture = &Game.MetaFile;
  try {
    WindowUi.SetClipboard(Content);
  } catch (const DocumentError& Failure) {
    // A picture too large to copy: the clipboard keeps what it held.
    WindowUi.Tell(ApplicationTitle, Failure.what(), Icon::Error);
  }
}

void TGameForm::CopyTextTable() {
  // The game's own "Copy as Text": the grid table, or the jumble's hint list.
  CopyGameAsText(Game);
}

void TGameForm::CopyWords() {
  const std::optional<std::string> Words = Descriptor().CopyWords(Game);
  if (!Words) return;
  ClipboardContent Content;
  Content.Text = Game.Codes().Decode(*Words);
  Ui().SetClipboard(Content);
}

void TGameForm::Contents1Click() {
  THelpWindow::ShowPage(this, GuidePages::PageOfGame(Game.GameName));
}

void TGameForm::About1Click() {
  TAboutForm About;
  About.exec();
}

bool TGameForm::FormCloseQuery() {
  // Saving the puzzle would not keep the typing: it is asked about on its own.
  if (TypedTextPending() &&
      WindowUi.Ask(Game.GameName,
                   "The text typed in this window is not in the puzzle and will be lost. Close "
                   "anyway?",
                   Buttons::OkCancel, Icon::Warning) != Answer::Ok)
    return false;
  return Game.CloseQuery();
}

void TGameForm::FormClose() {
  // Nothing to keep: the MDI frame around the window deletes it, and the document with it.
}

void TGameForm::FormResize() {
  ResizePreview(*this, true, *Image1, Game);
}

void TGameForm::ZoomToFit1Click(bool On) {
  WindowSettings::SetZoomToFit(On);
  Image1->ZoomToFit = On;
  RedrawPreview(*Image1, Game);
}

void TGameForm::AddFrameGameItems() {
  if (GameMenu->actions().contains(ZoomToFit1)) return;
  GameMenu->addSeparator();
  GameMenu->addAction(ZoomToFit1);
}

void TGameForm::RouteInputKeys() {
  for (QWidget* Input : findChildren<QWidget*>())
    if (TextInputOf(Input).Input) Input->installEventFilter(this);
}

bool TGameForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::ShortcutOverride &&
      PassesToCommand(TextInputOf(Watched), *static_cast<QKeyEvent*>(Event))) {
    // Left unaccepted, the key reaches the shortcut of the window's command.
    Event->ignore();
    return true;
  }
  return QWidget::eventFilter(Watched, Event);
}

void TGameForm::closeEvent(QCloseEvent* Event) {
  if (!FormCloseQuery()) {
    Event->ignore();
    return;
  }
  FormClose();
  Event->accept();
}

void TGameForm::showEvent(QShowEvent* Event) {
  AddFrameGameItems();
  RouteInputKeys();
  QWidget::showEvent(Event);
  // Resizes that came while the window was hidden could not paint.
  FormResize();
}

}  // namespace vornic::ui
