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

  void showsTheProductLineAndClosesWithOk() {
    TAboutForm About;
    QCOMPARE(About.windowTitle(), QString("About"));
    QCOMPARE(About.size(), QSize(259, 220));
    QCOMPARE(About.minimumSize(), About.maximumSize());
    QCOMPARE(About.Label1->text(), QString("Vornic Pack 1.0 beta\nBuild date: May 02 2001"));
    QVERIFY(About.Label1->font().bold());
    QCOMPARE(About.Button1->text(), QString("Close"));
    QVERIFY(About.Button1->isDefault());
    QCOMPARE(About.Button1->geometry(), QRect(93, 191, 75, 25));
    QVERIFY(!About.Label3->text().isEmpty());
    QVERIFY(!About.Label4->text().isEmpty());
    QVERIFY(About.Label4->wordWrap());
    test::ModalAnswer Reader([](QWidget* Window) {
      auto* Shown = qobject_cast<TAboutForm*>(Window);
      QVERIFY(Shown);
      QTest::mouseClick(Shown->Button1, Qt::LeftButton);
    });
    QCOMPARE(About.exec(), int(QDialog::Accepted));
    QVERIFY(Reader.Done());
  }

  void theIconIsPaintedInTheCorner() {
    TAboutForm About;
    About.show();
    const QImage Shot = About.grab().toImage();
    // The icon's sheet covers (12, 8) to (44, 40); the window's background is elsewhere.
    const QColor Background = Shot.pixelColor(4, 4);
    QVERIFY(Shot.pixelColor(28, 24) != Background);
  }

  void hoveringShowsTheFocusFontAndLeavingRestoresItExactly() {
    TShellLink Link;
    QFont Normal(QStringLiteral("Liberation Sans"), 9);
    Normal.setItalic(true);
    Link.setFont(Normal);
    QFont Focus = Normal;
    Focus.setUnderline(true);
    Focus.setBold(true);
    Link.SetFocusFont(Focus);
    int Entered = 0, Left = 0;
    Link.OnMouseEnter = [&] { ++Entered; };
    Link.OnMouseLeave = [&] { ++Left; };
    const QColor NormalColour = Link.palette().color(QPalette::WindowText);

    Link.MouseEnter();
    QCOMPARE(Link.font(), Focus);
    QCOMPARE(Link.palette().color(QPalette::WindowText), QColor(Qt::blue));
    // A second enter without a leave must not take the focus font for the normal one.
    Link.MouseEnter();
    Link.MouseLeave();
    QCOMPARE(Link.font(), Normal);
    QCOMPARE(Link.palette().color(QPalette::WindowText), NormalColour);
    QCOMPARE(Entered, 2);
    QCOMPARE(Left, 1);
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
    // Only the left button opens.
    QTest::mouseClick(&Link, Qt::RightButton);
    QCOMPARE(Catcher.Opened.size(), 2);
  }
};

QTEST_MAIN(TAboutFormTest)
#include "TAboutFormTest.moc"
