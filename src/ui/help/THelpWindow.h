#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QAction;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolBar;

namespace vornic::ui {

// The help window: the user guide's pages in a browser, with a contents list, back, forward and
// home, and a search box that narrows the list to the pages holding the words typed (Enter finds
// them in the page shown). One window serves the whole program; it remembers its size.
class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the guide at Page (a file name of the guide), in the one help window, made beside
  // Near's window when there is none yet. Returns that window.
  static THelpWindow* ShowPage(QWidget* Near, const QString& Page);
  // The open help window, or null.
  static THelpWindow* Current();

  // The file name of the page shown ("index.html"); empty when the guide is missing.
  QString ShownPage() const;
  void Open(const QString& Page);

 protected:
  void closeEvent(QCloseEvent* Event) override;

 private:
  explicit THelpWindow(QWidget* Parent);

  QToolBar* ToolBar;
  QAction* BackAction;
  QAction* ForwardAction;
  QAction* HomeAction;
  QLineEdit* SearchEdit;
  QListWidget* ContentsList;
  QTextBrowser* Browser;

  void ListPages(const QString& Words);
  void FindInPage();
  void FollowPage(const QString& Shown);
  QString TextOf(const QString& Page);

  QHash<QString, QString> PageTexts;
  bool Following = false;
};

}  // namespace vornic::ui
