#include "ui/dialogs/ColorComboBox.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace vornic::ui {
namespace {

struct BasicColorEntry {
  const char* Name;
  std::uint32_t Value;
};

constexpr std::array<BasicColorEntry, ColorComboBox::BasicColorCount> BasicColors{{
    {"Black", 0x000000},
    {"Maroon", 0x000080},
    {"Green", 0x008000},
    {"Olive", 0x008080},
    {"Navy", 0x800000},
    {"Purple", 0x800080},
    {"Teal", 0x808000},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},
    {"Lime", 0x00FF00},
    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0xFFFF00},
    {"White", 0xFFFFFF},
}};

// A framed swatch of the colour; values with a high byte (system colours, "none") have no RGB
// meaning and get an empty frame.
QIcon Swatch(std::uint32_t Value) {
  QPixmap Picture(16, 12);
  Picture.fill(Qt::transparent);
  QPainter Painter(&Picture);
  if ((Value & 0xFF000000u) == 0)
    Painter.fillRect(0, 0, 16, 12,
                     QColor(static_cast<int>(Value & 0xFF), static_cast<int>((Value >> 8) & 0xFF),
                            static_cast<int>((Value >> 16) & 0xFF)));
  Painter.setPen(Qt::black);
  Painter.drawRect(0, 0, 15, 11);
  return QIcon(Picture);
}

}  // namespace

ColorComboBox::ColorComboBox(QWidget* Parent) : QComboBox(Parent) {
  for (const BasicColorEntry& Entry : BasicColors)
    addItem(Swatch(Entry.Value), QString::fromLatin1(Entry.Name), QVariant::fromValue(Entry.Value));
  setCurrentIndex(0);
}

std::uint32_t ColorComboBox::BasicColor(int Index) {
  return BasicColors.at(static_cast<std::size_t>(Index)).Value;
}

QString ColorComboBox::BasicColorName(int Index) {
  return QString::fromLatin1(BasicColors.at(static_cast<std::size_t>(Index)).Name);
}

void ColorComboBox::RemoveExtraItem() {
  while (count() > BasicColorCount) removeItem(BasicColorCount);
}

void ColorComboBox::SetColor(std::uint32_t Value) {
  Kept = Value;
  for (int Index = 0; Index < BasicColorCount; ++Index) {
    if (BasicColor(Index) == Value) {
      setCurrentIndex(Index);
      RemoveExtraItem();
      return;
    }
  }
  RemoveExtraItem();
  const QString Number = QString::number(Value, 16).toUpper().rightJustified(8, QLatin1Char('0'));
  addItem(Swatch(Value), QStringLiteral("0x") + Number, QVariant::fromValue(Value));
  setCurrentIndex(BasicColorCount);
}

std::uint32_t ColorComboBox::Color() const {
  if (currentIndex() < 0) return Kept;
  return currentData().value<std::uint32_t>();
}

}  // namespace vornic::ui
