#include "cli/PictureOutput.h"

#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#include "picture/PictureFormat.h"
#include "picture/PictureLimits.h"
#ifdef VORNIC_HAVE_RENDER
#include "render/PictureExport.h"
#endif

namespace vornic::cli {

bool CanWriteRasterAndVector() {
#ifdef VORNIC_HAVE_RENDER
  return true;
#else
  return false;
#endif
}

void RefuseUnshowablePicture(int Width, int Height, const std::string& Path, double Scale) {
  if (const auto Problem = FormatSizeProblem(PictureFormatToWrite(Path), Width, Height, Scale))
    throw CliFailure(BadUsage, *Problem);
}

void WritePictureFile(const TDrawMetaFile& Picture, const std::string& Path, double Scale) {
  const PictureFormat Format = PictureFormatToWrite(Path);
  if (auto Problem = PictureProblem(Picture, Format, Scale)) throw CliFailure(BadUsage, *Problem);
  const bool Metafile = PictureFormatInfoOf(Format).Metafile;
  if (!Metafile && !CanWriteRasterAndVector())
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
