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
};

QIcon ToolIcon(ToolGlyph Glyph);

}  // namespace vornic::ui
