#include "picture/PictureFormat.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vornic {

const std::array<PictureFormatInfo, 5>& PictureFormats() {
  static constexpr std::array<PictureFormatInfo, 5> Formats{{
      {PictureFormat::Emf, ".emf", "Enhanced Windows Meta File", true},
      {PictureFormat::Wmf, ".wmf", "Windows Meta File", true},
      {PictureFormat::Svg, ".svg", "Scalable Vector Graphics", false},
      {PictureFormat::Pdf, ".pdf", "PDF document", false},
      {PictureFormat::Png, ".png", "PNG image", false},
  }};
  return Formats;
}

const PictureFormatInfo& PictureFormatInfoOf(PictureFormat Format) {
  return PictureFormats()[static_cast<std::size_t>(Format)];
}

std::optional<PictureFormat> PictureFormatOf(std::string_view FileName) {
  std::string Extension = std::filesystem::path(FileName).extension().string();
  std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                 [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  for (const PictureFormatInfo& Info : PictureFormats())
    if (Info.Extension == Extension) return Info.Format;
  return std::nullopt;
}

PictureFormat PictureFormatToWrite(std::string_view FileName) {
  return PictureFormatOf(FileName).value_or(PictureFormat::Emf);
}

std::string PictureFilter(PictureFormat Format) {
  const PictureFormatInfo& Info = PictureFormatInfoOf(Format);
  const std::string Pattern = std::string("*").append(Info.Extension);
  return std::string(Info.Description) + " (" + Pattern + ")|" + Pattern;
}

}  // namespace vornic
