#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "support/ModalAnswer.h"
#include "ui/app/TAboutForm.h"
#include "ui/app/TShellLink.h"

using namespace vornic;
using ui::TAboutForm;
using ui::TShellLink;

// Receives what the link asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> Opened;

 public slots:
  void Open(const QUrl& Url) { Opened << Url; }
};

class TAboutFormTest : public QObject {
  Q_OBJECT

  UrlCatcher Catcher;

 private slots:
  void initTestCase() {
    for (const char* Scheme : {"https", "http", "mailto", "file"})
      QDesktopServices::setUrlHandler(QString::fromLatin1(Scheme), &Catcher, "Open");
  }
  void cleanupTestCase() {
    for (const char* Scheme : {"https", "http", "mailto", "file"})
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(Scheme));
  }
  void init() { Catcher.Opened.clear(); }
  void cleanup() { QVERIFY(test::NoWindowLeft()); }

  void aClickOpensTheLinkAndAnEmptyLinkDoesNothing() {
    TShellLink Link;
    Link.setText("site");
    Link.resize(60, 14);
    Link.show();
    QTest::mouseClick(&Link, Qt::LeftButton);
    QVERIFY(Catcher.Opened.isEmpty());
    Link.Link = "https://example.org/puzzles";
    QTest::mouseClick(&Link, Qt::LeftButton);
    QCOMPARE(Catcher.Opened, QList<QUrl>{QUrl("https://example.org/puzzles")});
    Link.Link = "/home/teacher/WordLists";
    Link.Click();
    QCOMPARE(Catcher.Opened.back(), QUrl::fromLocalFile("/home/teacher/WordLists"));
    QTest::mouseClick(&Link, Qt::RightButton);
    QCOMPARE(Catcher.Opened.size(), 2);
  }
};

QTEST_MAIN(TAboutFormTest)
#include "TAboutFormTest.moc"
