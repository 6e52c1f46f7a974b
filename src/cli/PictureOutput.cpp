#include "cli/PictureOutput.h"

#include "base/DocumentError.h"
#include "cli/CliSupport.h"
#include "picture/PictureFormat.h"
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

void WritePictureFile(const TDrawMetaFile& Picture, const std::string& Path, double Scale) {
  const bool Metafile = PictureFormatInfoOf(PictureFormatToWrite(Path)).Metafile;
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
