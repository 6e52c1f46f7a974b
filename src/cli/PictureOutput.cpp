#include "cli/PictureOutput.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#ifdef VORNIC_HAVE_RENDER
#include "render/PictureExport.h"
#endif

namespace vornic::cli {
namespace {

std::string LowerExtension(const std::string& Path) {
  std::string Extension = std::filesystem::path(Path).extension().string();
  std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                 [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  return Extension;
}

}  // namespace

bool CanWriteRasterAndVector() {
#ifdef VORNIC_HAVE_RENDER
  return true;
#else
  return false;
#endif
}

void WritePictureFile(const TDrawMetaFile& Picture, const std::string& Path, double Scale) {
  const std::string Extension = LowerExtension(Path);
  const bool Metafile = Extension == ".emf" || Extension == ".wmf";
  const bool Rendered = Extension == ".svg" || Extension == ".pdf" || Extension == ".png";
  if (!Metafile && !Rendered)
    throw CliFailure(BadUsage, "Cannot tell the picture type of " + Path +
                                   ": name it .emf, .wmf, .svg, .pdf or .png");
  if (Rendered && !CanWriteRasterAndVector())
    throw CliFailure(BadUsage, "This build writes only .emf and .wmf pictures");
  try {
    if (Metafile) {
      Picture.SaveToFile(Path);
    } else {
#ifdef VORNIC_HAVE_RENDER
      render::ExportPicture(Picture, Path, Scale);
#else
      (void)Scale;
#endif
    }
  } catch (const DocumentError& Failure) {
    throw CliFailure(NotBuilt, Failure.what());
  }
}

}  // namespace vornic::cli
