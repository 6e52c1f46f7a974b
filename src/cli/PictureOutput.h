#pragma once

#include <string>

#include "picture/TDrawMetaFile.h"

namespace vornic::cli {

// Writes a picture in the format its file name ends with (".emf", ".wmf", ".svg", ".pdf",
// ".png", any letter case; EMF for any other name); Scale enlarges PNG output for print quality.
// Throws CliFailure(BadUsage) for a format this build cannot write or a picture
// RefuseUnshowablePicture refuses, and
// CliFailure(NotBuilt) when the file cannot be written (an existing file stays as it was).
void WritePictureFile(const TDrawMetaFile& Picture, const std::string& Path, double Scale = 1.0);

// Throws CliFailure(BadUsage) naming the size when a picture of Width x Height units is too
// large to be drawn, or to be written in the format Path's extension names (PNG at Scale); a
// name of no known format is left to WritePictureFile. Called before drawing, so that nothing
// large is made and nothing written.
void RefuseUnshowablePicture(int Width, int Height, const std::string& Path, double Scale = 1.0);

// Whether this build writes SVG, PDF and PNG (it does when built with the Qt renderer).
bool CanWriteRasterAndVector();

}  // namespace vornic::cli
