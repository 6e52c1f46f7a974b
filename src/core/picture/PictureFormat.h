#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vornic {

enum class PictureFormat { Emf, Wmf, Svg, Pdf, Png };

// One picture file format, known by the extension of the file's name.
struct PictureFormatInfo {
  PictureFormat Format;
  std::string_view Extension;    // lower case, with its dot
  std::string_view Description;  // the Save dialog's filter text
  bool Metafile;                 // written by the core; the others are played through Qt
};

// Every format a picture can be written in, EMF first (the format the design names).
const std::array<PictureFormatInfo, 5>& PictureFormats();
const PictureFormatInfo& PictureFormatInfoOf(PictureFormat Format);

// The format a file name's extension names, in any letter case; nothing for any other name.
std::optional<PictureFormat> PictureFormatOf(std::string_view FileName);

// The format a picture named FileName is written in: the one its extension names, and EMF, the
// Save image dialog's first choice, for any other name.
PictureFormat PictureFormatToWrite(std::string_view FileName);

// A Save dialog filter for the format: "Description (*.ext)|*.ext".
std::string PictureFilter(PictureFormat Format);

}  // namespace vornic
