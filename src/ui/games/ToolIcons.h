#pragma once

#include <QIcon>

namespace vornic::ui {

// The pictures of the game windows' tool bar buttons, drawn so that they need no icon theme.
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
