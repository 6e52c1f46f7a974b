#pragma once

#include <string>

namespace vornic {
class TDrawMetaFile;
}

namespace vornic::render {

// The picture in the formats played through Qt, as file bytes. Each creates the GUI
// application it needs (EnsureGuiApplication), and throws DocumentError for a picture beyond
// the limits of PictureLimits.h.
// SVG: a view box of the picture's size in picture units, title the description.
std::string SvgBytes(const TDrawMetaFile& Picture);
// PDF: one page of the picture's size at 96 units per inch.
std::string PdfBytes(const TDrawMetaFile& Picture);
// PNG: the picture at Scale pixels per unit (1: one pixel per unit), transparent where nothing
// is drawn.
std::string PngBytes(const TDrawMetaFile& Picture, double Scale = 1.0);

// Writes the picture in the format its name ends with: ".emf", ".wmf", ".svg", ".pdf" or ".png"
// in any letter case, and as EMF for any other name; Scale applies to PNG. Throws DocumentError
// for a picture the format cannot hold or beyond the limits of PictureLimits.h (before anything
// large is made), or when the file cannot be written; an existing file then stays as it was.
void ExportPicture(const TDrawMetaFile& Picture, const std::string& FileName, double Scale = 1.0);

}  // namespace vornic::render
