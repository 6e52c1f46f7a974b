#pragma once

#include <QComboBox>
#include <cstdint>

namespace vornic::ui {

// A drop-down of the 16 basic colours, each shown as a swatch and its name. Colours are
// numbers of the form 0x00BBGGRR. A colour that is not among the 16 is kept as one more item
// showing its number, so that reading it back gives the same value.
class ColorComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int BasicColorCount = 16;

  explicit ColorComboBox(QWidget* Parent = nullptr);

  // Selects the item of Value; a value not among the 16 becomes the one extra item (replacing
  // any previous one).
  void SetColor(std::uint32_t Value);
  // The selected item's colour; with no selection, the value last given to SetColor.
  std::uint32_t Color() const;

  // The basic colour at Index (0 to 15) and its name.
  static std::uint32_t BasicColor(int Index);
  static QString BasicColorName(int Index);

 private:
  void RemoveExtraItem();

  std::uint32_t Kept = 0;
};

}  // namespace vornic::ui
