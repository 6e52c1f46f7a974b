#include "ui/games/WorksheetCommands.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <filesystem>

#include "base/AppPaths.h"
#include "base/EmptyChar.h"
#include "render/WorksheetOutput.h"
#include "ui/app/WindowSettings.h"
#include "ui/dialogs/TWorksheetForm.h"
#include "ui/games/TGameForm.h"
#include "worksheet/WorksheetLayout.h"

namespace vornic::ui {
namespace {

// What an empty title stands for: the file name without its extension.
std::string FileTitle(const TVornicGame& Game) {
  return Game.FileName.empty() ? Game.DisplayName()
                               : std::filesystem::path(Game.FileName).stem().string();
}

// The layout keeps its own margins, measured from the paper's edge.
void UsePaper(QPrinter& Printer, PaperSize Paper) {
  Printer.setFullPage(true);
  Printer.setPageLayout(
      QPageLayout(QPageSize(Paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

// The preview as the user left it; the first time, large enough to read a whole page: nine
// tenths of the screen's height, a page wide and more for the tool bar.
void ShowLargeEnough(QWidget& Dialog) {
  if (Dialog.restoreGeometry(WindowSettings::PreviewGeometry())) return;
  const QScreen* Screen = Dialog.screen();
  if (!Screen) return;
  const QRect Room = Screen->availableGeometry();
  const int Height = Room.height() * 9 / 10;
  const QSize Size(std::min(Room.width(), Height * 5 / 6), Height);
  Dialog.resize(Size);
  Dialog.move(Room.center() - QPoint(Size.width() / 2, Size.height() / 2));
}

}  // namespace

WorksheetCommands::WorksheetCommands(TGameForm& Form) : QObject(&Form), Window(Form) {
  ChoosePrinter = [this](QPrinter& Printer) {
    QPrintDialog Dialog(&Printer, &Window);
    return Dialog.exec() == QDialog::Accepted;
  };
}

std::optional<WorksheetOptions> WorksheetCommands::AskOptions() {
  TWorksheetForm Form(Window.Game, &Window);
  if (Form.exec() != QDialog::Accepted) return std::nullopt;
  TWorksheetForm::Remember(Window.Game, Form.Options());
  return Form.Options();
}

std::vector<WorksheetPage> WorksheetCommands::Pages(const WorksheetOptions& Options) const {
  return LayOutWorksheet({&Window.Game}, Options);
}

void WorksheetCommands::Print() {
  const auto Options = AskOptions();
  if (!Options) return;
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setDocName(QString::fromStdString(FileTitle(Window.Game)));
  UsePaper(Printer, Options->Paper);
  if (!ChoosePrinter(Printer)) return;
  try {
    render::PaintWorksheet(Pages(*Options), Printer);
  } catch (const std::exception& Failure) {
    Window.Ui().Tell(ApplicationTitle, Failure.what(), Icon::Error);
  }
}

void WorksheetCommands::Preview() {
  const auto Options = AskOptions();
  if (!Options) return;
  std::vector<WorksheetPage> Laid;
  try {
    Laid = Pages(*Options);
  } catch (const std::exception& Failure) {
    Window.Ui().Tell(ApplicationTitle, Failure.what(), Icon::Error);
    return;
  }
  QPrinter Printer(QPrinter::HighResolution);
  UsePaper(Printer, Options->Paper);
  QPrintPreviewDialog Dialog(&Printer, &Window);
  Dialog.setObjectName(QStringLiteral("WorksheetPreview"));
  Dialog.setWindowTitle(QStringLiteral("Print Preview"));
  ShowLargeEnough(Dialog);
  connect(&Dialog, &QPrintPreviewDialog::paintRequested, &Dialog,
          [&Laid](QPrinter* Target) { render::PaintWorksheet(Laid, *Target); });
  Dialog.exec();
  WindowSettings::SetPreviewGeometry(Dialog.saveGeometry());
}

void WorksheetCommands::SaveAsPdf() {
  const auto Options = AskOptions();
  if (!Options) return;
  FileDialogRequest Request;
  Request.Filter = "PDF document (*.pdf)|*.pdf";
  Request.DefaultExt = "*.pdf";
  Request.InitialDir = Window.Game.FileName.empty()
                           ? AppPaths::DialogFolder().string()
                           : std::filesystem::path(Window.Game.FileName).parent_path().string();
  Request.ProposedName = FileTitle(Window.Game) + " worksheet.pdf";
  Request.OverwritePrompt = true;
  const std::optional<std::string> Chosen = Window.Ui().ChooseSaveFile(Request);
  if (!Chosen) return;
  const std::string Title = Options->Title.empty() ? FileTitle(Window.Game) : Options->Title;
  try {
    render::WriteWorksheetPdf(Pages(*Options), Title, *Chosen);
  } catch (const std::exception& Failure) {
    Window.Ui().Tell(ApplicationTitle, Failure.what(), Icon::Error);
  }
}

}  // namespace vornic::ui
