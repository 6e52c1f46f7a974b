#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "worksheet/WorksheetPage.h"

class QPrinter;

namespace vornic::ui {

class TGameForm;

// A game window's worksheet commands: "&Print...", "Print Pre&view..." and "Save &worksheet as
// PDF...". Each first asks for the worksheet's choices (TWorksheetForm, remembered between
// runs), then lays out the window's puzzle and its answer key from a copy of the document, so
// the window's own picture stays as it is.
class WorksheetCommands : public QObject {
  Q_OBJECT

 public:
  explicit WorksheetCommands(TGameForm& Form);

  void Print();
  void Preview();
  void SaveAsPdf();

  // Shows the system print dialog for Printer; true when the user chose to print. Tests put a
  // stand-in here that sets a PDF output file instead.
  std::function<bool(QPrinter& Printer)> ChoosePrinter;

 private:
  // The choices, or nothing when the user cancelled.
  std::optional<WorksheetOptions> AskOptions();
  std::vector<WorksheetPage> Pages(const WorksheetOptions& Options) const;

  TGameForm& Window;
};

}  // namespace vornic::ui
