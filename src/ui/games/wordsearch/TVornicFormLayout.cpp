// The word search window's controls and its "&Game" menu.
#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/games/GameWindowParts.h"
#include "ui/games/wordsearch/TVornicForm.h"

namespace vornic::ui {
namespace {

constexpr int GroupWidth = 107;

// The direction check boxes in Tag order: up, down, left, right, up and right, up and left,
// down and right, down and left.
constexpr std::array<const char*, 8> Arrows{"↑", "↓", "←", "→", "↗", "↖", "↘", "↙"};

}  // namespace

QPushButton* TVornicForm::AddPanelButton(const char* Name, const char* Text, bool TakesFocus) {
  auto* Button = new QPushButton(QString::fromUtf8(Text), GameGroup);
  Button->setObjectName(QString::fromLatin1(Name));
  // Like speed buttons, the panel's command buttons leave the focus in the word input.
  if (!TakesFocus) Button->setFocusPolicy(Qt::NoFocus);
  return Button;
}

void TVornicForm::BuildGamePanel() {
  GameGroup = new QGroupBox(QStringLiteral(" Game: "), this);
  GameGroup->setObjectName(QStringLiteral("GameGroup"));
  auto* Column = new QVBoxLayout(GameGroup);
  Column->setContentsMargins(5, 5, 5, 5);
  Column->setSpacing(3);

  Edit1 = new QLineEdit(GameGroup);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFont(CourierNew(Edit1->font()));
  Edit1->installEventFilter(this);
  connect(Edit1, &QLineEdit::textEdited, this, &TVornicForm::Edit1Edited);
  Column->addWidget(Edit1);

  EnterButton = AddPanelButton("Button1", "&Enter word", true);
  FillBlanksButton = AddPanelButton("SpeedButton8", "&Fill Blanks", false);
  ClearAllButton = AddPanelButton("SpeedButton7", "&Clear all", false);
  for (QPushButton* Button : {EnterButton, FillBlanksButton, ClearAllButton})
    Column->addWidget(Button);

  ListBox1 = new QListWidget(GameGroup);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(CourierNew(ListBox1->font()));
  ListBox1->setMinimumHeight(40);
  ListBox1->installEventFilter(this);
  Column->addWidget(ListBox1, 1);

  ShuffleButton = AddPanelButton("SpeedButton9", "&Shuffle", false);
  RefreshButton = AddPanelButton("SpeedButton6", "&Refresh", false);
  for (QPushButton* Button : {ShuffleButton, RefreshButton}) Column->addWidget(Button);

  auto* Bevel = new QFrame(GameGroup);
  Bevel->setObjectName(QStringLiteral("Bevel1"));
  Bevel->setFrameShape(QFrame::HLine);
  Bevel->setFrameShadow(QFrame::Sunken);
  Column->addWidget(Bevel);

  DirectionsLabel = new QLabel(QStringLiteral("Directions:"), GameGroup);
  DirectionsLabel->setObjectName(QStringLiteral("Label1"));
  Column->addWidget(DirectionsLabel);

  // Left column up, down, left, right; right column the four diagonals.
  auto* Directions = new QGridLayout;
  Directions->setContentsMargins(2, 0, 0, 0);
  Directions->setHorizontalSpacing(6);
  Directions->setVerticalSpacing(1);
  QFont ArrowFont = font();
  ArrowFont.setPointSizeF(ArrowFont.pointSizeF() + 1);
  for (int Tag = 1; Tag <= 8; ++Tag) {
    auto* Box =
        new QCheckBox(QString::fromUtf8(Arrows[static_cast<std::size_t>(Tag - 1)]), GameGroup);
    Box->setObjectName(QStringLiteral("CheckBox%1").arg(Tag));
    Box->setProperty("Tag", Tag);
    Box->setFont(ArrowFont);
    Box->setChecked(true);
    Box->setFocusPolicy(Qt::NoFocus);
    connect(Box, &QCheckBox::clicked, this, [this, Box] { CheckBox1Click(Box); });
    CheckBoxes[static_cast<std::size_t>(Tag - 1)] = Box;
    Directions->addWidget(Box, (Tag - 1) % 4, (Tag - 1) / 4);
  }
  Column->addLayout(Directions);

  Intersect = new QCheckBox(QStringLiteral("Intersections"), GameGroup);
  Intersect->setObjectName(QStringLiteral("Intersect"));
  Intersect->setChecked(true);
  Intersect->setFocusPolicy(Qt::NoFocus);
  connect(Intersect, &QCheckBox::toggled, this, [this](bool On) { Placer.Intersect = On; });
  Column->addWidget(Intersect);

  // The group is as narrow as the design has it, unless this platform's font needs more for
  // "Intersections" and the button texts.
  GameGroup->setFixedWidth(std::max(GroupWidth, GameGroup->minimumSizeHint().width()));
  Body->addWidget(GameGroup);

  connect(EnterButton, &QPushButton::clicked, this, &TVornicForm::Enter);
  connect(FillBlanksButton, &QPushButton::clicked, this, &TVornicForm::FillBlanks);
  connect(ClearAllButton, &QPushButton::clicked, this, &TVornicForm::DeleteAll);
  connect(ShuffleButton, &QPushButton::clicked, this, &TVornicForm::Shuffle);
  connect(RefreshButton, &QPushButton::clicked, this, &TVornicForm::FullRefresh);
  // Clicking a word shows it, also the word already selected; moving with the keys as well.
  // Taking the focus also makes a row current, but that is no choice of the user's.
  connect(ListBox1, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* Item) { ShowChosenWord(ListBox1->row(Item)); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int Row) {
    if (ChoosingByKey && !Listing) ShowChosenWord(Row);
  });
}

void TVornicForm::BuildGameMenu() {
  FillBlanks1 = MakeAction(this, "FillBlanks1", "&Fill blanks");
  ClearAll1 = MakeAction(this, "ClearAll1", "&Clear all");
  Shuffle1 = MakeAction(this, "Shuffle1", "&Shuffle");
  Refresh1 = MakeAction(this, "Refresh1", "&Refresh");
  GameMenu->addSeparator();
  GameMenu->addActions({FillBlanks1, ClearAll1, Shuffle1, Refresh1});

  connect(FillBlanks1, &QAction::triggered, this, &TVornicForm::FillBlanks);
  connect(ClearAll1, &QAction::triggered, this, &TVornicForm::DeleteAll);
  connect(Shuffle1, &QAction::triggered, this, &TVornicForm::Shuffle);
  connect(Refresh1, &QAction::triggered, this, &TVornicForm::FullRefresh);
}

}  // namespace vornic::ui
