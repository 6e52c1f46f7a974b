#pragma once

#include <string>
#include <vector>

#include "worksheet/WorksheetPage.h"

class QPagedPaintDevice;
class QPainter;

namespace vornic::render {

// Paints one laid-out page with the painter's origin at the paper's top-left corner and
// DotsPerMm device units to the millimetre. Pictures play as vectors, texts stay text.
void PaintWorksheetPage(const WorksheetPage& Page, QPainter& Painter, double DotsPerMm);

// Paints the pages onto a PDF writer or printer, one sheet each, on each page's paper and
// orientation with no margins (the layout keeps its own). Does nothing for no pages.
void PaintWorksheet(const std::vector<WorksheetPage>& Pages, QPagedPaintDevice& Device);

// The pages as a PDF document whose title is Title. Creates the GUI application it needs.
std::string WorksheetPdfBytes(const std::vector<WorksheetPage>& Pages, const std::string& Title);

// Writes that PDF to FileName, atomically. Throws DocumentError when it cannot be written; an
// existing file then stays as it was.
void WriteWorksheetPdf(const std::vector<WorksheetPage>& Pages, const std::string& Title,
                       const std::string& FileName);

}  // namespace vornic::render
