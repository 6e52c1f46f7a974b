#pragma once

#include <cstddef>

#include "picture/MetafileSink.h"

namespace vornic {

class TDrawMetaFile;

// Plays a picture's content into a metafile format as a GDI canvas would record it: pens,
// brushes and fonts are created when first used, selected, and the one they replace deleted;
// the background mode and colours are set before the text that needs them; at the end the
// defaults are selected back and every created object is deleted.
void PlayIntoMetafile(const TDrawMetaFile& Picture, MetafileSink& Sink);

// About the bytes a metafile of the picture takes: its records' sizes, without their objects.
// Writers size their buffer by it so that a large picture is not copied again and again.
std::size_t EstimatedMetafileBytes(const TDrawMetaFile& Picture);

// The advance of a character of Font when a text gives none: a fixed-pitch font's width.
int NaturalAdvance(const TFont& Font);

}  // namespace vornic
