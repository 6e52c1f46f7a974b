#include "ui/help/THelpWindow.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/app/WindowSettings.h"
#include "ui/help/GuidePages.h"

namespace vornic::ui {
namespace {

QPointer<THelpWindow> Instance;

QAction* AddTool(QToolBar* Bar, const char* Name, const char* Text, QKeySequence Keys,
                 QStyle::StandardPixmap Icon) {
  QAction* Action = Bar->addAction(Bar->style()->standardIcon(Icon), QString::fromUtf8(Text));
  Action->setObjectName(QString::fromLatin1(Name));
  Action->setShortcut(Keys);
  return Action;
}

}  // namespace

THelpWindow* THelpWindow::ShowPage(QWidget* Near, const QString& Page) {
  if (!Instance) Instance = new THelpWindow(Near ? Near->window() : nullptr);
  Instance->Open(Page);
  Instance->show();
  Instance->raise();
  Instance->activateWindow();
  return Instance;
}

THelpWindow* THelpWindow::Current() {
  return Instance;
}

THelpWindow::THelpWindow(QWidget* Parent) : QWidget(Parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Vornic Pack Help"));
  setAttribute(Qt::WA_DeleteOnClose);

  ToolBar = new QToolBar(this);
  ToolBar->setObjectName(QStringLiteral("HelpToolBar"));
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  BackAction = AddTool(ToolBar, "BackAction", "&Back", QKeySequence::Back, QStyle::SP_ArrowBack);
  ForwardAction =
      AddTool(ToolBar, "ForwardAction", "&Forward", QKeySequence::Forward, QStyle::SP_ArrowForward);
  HomeAction = AddTool(ToolBar, "HomeAction", "&Contents", {}, QStyle::SP_DirHomeIcon);

  SearchEdit = new QLineEdit(this);
  SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
  SearchEdit->setPlaceholderText(QStringLiteral("Search the guide"));
  SearchEdit->setClearButtonEnabled(true);
  ContentsList = new QListWidget(this);
  ContentsList->setObjectName(QStringLiteral("ContentsList"));
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("Browser"));
  Browser->setOpenExternalLinks(true);
  Browser->setSearchPaths({GuidePages::Folder()});

  auto* Side = new QWidget(this);
  auto* SideLayout = new QVBoxLayout(Side);
  SideLayout->setContentsMargins(0, 0, 0, 0);
  SideLayout->addWidget(SearchEdit);
  SideLayout->addWidget(ContentsList, 1);
  auto* Split = new QSplitter(this);
  Split->addWidget(Side);
  Split->addWidget(Browser);
  Split->setStretchFactor(1, 1);
  Split->setSizes({220, 680});
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(4, 4, 4, 4);
  Layout->addWidget(ToolBar);
  Layout->addWidget(Split, 1);

  BackAction->setEnabled(false);
  ForwardAction->setEnabled(false);
  connect(BackAction, &QAction::triggered, Browser, &QTextBrowser::backward);
  connect(ForwardAction, &QAction::triggered, Browser, &QTextBrowser::forward);
  connect(HomeAction, &QAction::triggered, this,
          [this] { Open(QString::fromLatin1(GuidePages::MainPage)); });
  connect(Browser, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);
  connect(Browser, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);
  // The browser tells the new page before its source() gives it.
  connect(Browser, &QTextBrowser::sourceChanged, this,
          [this](const QUrl& Source) { FollowPage(QFileInfo(Source.path()).fileName()); });
  // The title names the page, as a browser's does.
  connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
    const QString Page = Browser->documentTitle();
    setWindowTitle(Page.isEmpty() ? QStringLiteral("Vornic Pack Help")
                                  : QStringLiteral("%1 - Vornic Pack Help").arg(Page));
  });
  connect(SearchEdit, &QLineEdit::textChanged, this, &THelpWindow::ListPages);
  connect(SearchEdit, &QLineEdit::returnPressed, this, &THelpWindow::FindInPage);
  connect(ContentsList, &QListWidget::currentRowChanged, this, [this](int Row) {
    if (Following || Row < 0) return;
    Open(ContentsList->item(Row)->data(Qt::UserRole).toString());
    if (!SearchEdit->text().trimmed().isEmpty()) FindInPage();
  });
  connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
    SearchEdit->setFocus();
    SearchEdit->selectAll();
  });
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);

  ListPages({});
  if (!restoreGeometry(WindowSettings::HelpGeometry())) resize(900, 650);
}

QString THelpWindow::ShownPage() const {
  return Browser->source().isEmpty() ? QString() : QFileInfo(Browser->source().path()).fileName();
}

void THelpWindow::Open(const QString& Page) {
  const QString Path = GuidePages::Folder() + QLatin1Char('/') + Page;
  if (!QFileInfo::exists(Path)) {
    // A program whose guide is not installed says where it looked.
    Browser->setHtml(QStringLiteral("<h1>The guide is missing</h1><p>Its page %1 was not "
                                    "found in %2.</p>")
                         .arg(Page.toHtmlEscaped(), GuidePages::Folder().toHtmlEscaped()));
    return;
  }
  Browser->setSource(QUrl::fromLocalFile(Path));
}

void THelpWindow::ListPages(const QString& Words) {
  // The pages holding every word typed, in the order of the contents; all of them without words.
  const QStringList Wanted = Words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  Following = true;
  ContentsList->clear();
  for (const GuidePage& Page : GuidePages::Contents()) {
    const QString Text = Wanted.isEmpty() ? QString() : TextOf(Page.File);
    const bool Holds = std::all_of(Wanted.begin(), Wanted.end(), [&](const QString& Word) {
      return Text.contains(Word, Qt::CaseInsensitive);
    });
    if (!Holds) continue;
    auto* Item = new QListWidgetItem(Page.Title, ContentsList);
    Item->setData(Qt::UserRole, Page.File);
  }
  Following = false;
  FollowPage(ShownPage());
}

void THelpWindow::FindInPage() {
  // The next place of the words typed (of the first word where the page lacks them together),
  // from the top again after the last one.
  const QString Typed = SearchEdit->text().simplified();
  if (Typed.isEmpty()) return;
  const QString Words = TextOf(ShownPage()).simplified().contains(Typed, Qt::CaseInsensitive)
                            ? Typed
                            : Typed.section(QLatin1Char(' '), 0, 0);
  if (!Browser->find(Words)) {
    Browser->moveCursor(QTextCursor::Start);
    Browser->find(Words);
  }
}

void THelpWindow::FollowPage(const QString& Shown) {
  // The list marks the page shown, however it was reached (a link, back, forward).
  Following = true;
  ContentsList->setCurrentRow(-1);
  for (int Row = 0; Row < ContentsList->count(); ++Row)
    if (ContentsList->item(Row)->data(Qt::UserRole).toString() == Shown)
      ContentsList->setCurrentRow(Row);
  Following = false;
}

QString THelpWindow::TextOf(const QString& Page) {
  auto Found = PageTexts.find(Page);
  if (Found == PageTexts.end()) Found = PageTexts.insert(Page, GuidePages::PlainText(Page));
  return *Found;
}

void THelpWindow::closeEvent(QCloseEvent* Event) {
  WindowSettings::SetHelpGeometry(saveGeometry());
  QWidget::closeEvent(Event);
}

}  // namespace vornic::ui
