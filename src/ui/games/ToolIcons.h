#pragma once

#include <QIcon>

namespace vornic::ui {

// The pictures of the game windows' tool bar buttons. Each is looked up first under its
// freedesktop icon name in the user's icon theme, so that the tool bar fits the desktop; the
// program's own SVG picture (resource ":/tools/") stands in where the theme has none.
enum class ToolGlyph {
  New,
  Open,
  Save,
  SaveAs,
  SaveImage,
  CopyImage,
  CopyText,
  WordList,
  GridSettings,
  About,
  CopyWords,  // the copy of a text field's selection beside "Copy text table to Clipboard"
};

QIcon ToolIcon(ToolGlyph Glyph);

}  // namespace vornic::ui
