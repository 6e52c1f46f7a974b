#include "ui/app/SvgIcon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vornic::ui {

QPixmap SvgPixmap(const QString& File, int Size) {
  QPixmap Result(Size, Size);
  Result.fill(Qt::transparent);
  QSvgRenderer Renderer(File);
  if (!Renderer.isValid()) return Result;
  QPainter Painter(&Result);
  Renderer.render(&Painter);
  return Result;
}

QIcon SvgIcon(const QString& File, std::initializer_list<int> Sizes) {
  QIcon Result;
  for (int Size : Sizes) Result.addPixmap(SvgPixmap(File, Size));
  return Result;
}

}  // namespace vornic::ui
