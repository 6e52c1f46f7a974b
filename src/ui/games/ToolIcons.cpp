#include "ui/games/ToolIcons.h"

#include "ui/app/SvgIcon.h"

namespace vornic::ui {
namespace {

struct ToolPicture {
  const char* ThemeName;  // freedesktop icon name; nullptr where no name fits
  const char* File;       // the program's own picture, under :/tools/
};

// A new glyph gets a picture here and an SVG file in src/ui/resources/tools/.
ToolPicture PictureOf(ToolGlyph Glyph) {
  switch (Glyph) {
    case ToolGlyph::New:
      return {"document-new", "new.svg"};
    case ToolGlyph::Open:
      return {"document-open", "open.svg"};
    case ToolGlyph::Save:
      return {"document-save", "save.svg"};
    case ToolGlyph::SaveAs:
      return {"document-save-as", "save-as.svg"};
    case ToolGlyph::SaveImage:
      return {"document-export", "save-image.svg"};
    case ToolGlyph::CopyImage:
      return {"edit-copy", "copy-image.svg"};
    case ToolGlyph::CopyText:
      // Not "edit-copy" again: the two copy buttons sit side by side and must differ.
      return {"text-x-generic", "copy-text.svg"};
    case ToolGlyph::WordList:
      return {"accessories-dictionary", "word-list.svg"};
    case ToolGlyph::GridSettings:
      return {"document-properties", "grid-settings.svg"};
    case ToolGlyph::About:
      return {"help-about", "about.svg"};
    case ToolGlyph::CopyWords:
      // The program's own picture: no theme name means "copy a selection of words".
      return {nullptr, "copy-words.svg"};
  }
  return {nullptr, "new.svg"};
}

}  // namespace

QIcon ToolIcon(ToolGlyph Glyph) {
  const ToolPicture Picture = PictureOf(Glyph);
  QIcon Own = SvgIcon(QStringLiteral(":/tools/") + QLatin1String(Picture.File), {16, 24, 32, 48});
  if (Picture.ThemeName == nullptr) return Own;
  return QIcon::fromTheme(QLatin1String(Picture.ThemeName), Own);
}

}  // namespace vornic::ui
