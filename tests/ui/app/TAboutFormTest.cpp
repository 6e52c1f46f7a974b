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

  void hoveringShowsTheFocusFontAndLeavingRestoresItExactly() {
    TShellLink Link;
    QFont Normal(QStringLiteral("Liberation Sans"), 9);
    Normal.setItalic(true);
    Link.setFont(Normal);
    QFont Focus = Normal;
    Focus.setUnderline(true);
    Focus.setBold(true);
    Link.SetFocusFont(Focus);
    const QColor NormalColour = Link.palette().color(QPalette::WindowText);

    Link.MouseEnter();
    QCOMPARE(Link.font(), Focus);
    QCOMPARE(Link.palette().color(QPalette::WindowText), QColor(Qt::blue));
    // A second enter without a leave must not take the focus font for the normal one.
    Link.MouseEnter();
    Link.MouseLeave();
    QCOMPARE(Link.font(), Normal);
    QCOMPARE(Link.palette().color(QPalette::WindowText), NormalColour);
  }

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
