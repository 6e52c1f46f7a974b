#include "ui/app/AppIcon.h"

#include "ui/app/SvgIcon.h"

namespace vornic::ui {
namespace {

const QString IconFile = QStringLiteral(":/icons/vornicpack.svg");

}  // namespace

QPixmap AppIcon::Pixmap(int Size) {
  return SvgPixmap(IconFile, Size);
}

QIcon AppIcon::Icon() {
  return SvgIcon(IconFile, {16, 24, 32, 48, 64, 128, 256});
}

}  // namespace vornic::ui
