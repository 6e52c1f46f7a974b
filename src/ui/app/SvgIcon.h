#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <initializer_list>

namespace vornic::ui {

// Pictures from the SVG files of the program's Qt resource (":/icons/...", ":/tools/..."),
// drawn by Qt SVG directly so that they need no image or icon-engine plugin at run time.
// A file that is missing or not valid SVG gives a transparent picture.
QPixmap SvgPixmap(const QString& File, int Size);
QIcon SvgIcon(const QString& File, std::initializer_list<int> Sizes);

}  // namespace vornic::ui
