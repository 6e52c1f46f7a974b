#include <QtTest>

#include "ui/app/AppIcon.h"
#include "ui/games/ToolIcons.h"

using namespace vornic::ui;

namespace {

constexpr QRgb ThemeRed = 0xFFFF0000;

bool HasInk(const QImage& Image) {
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if (qAlpha(Image.pixel(X, Y)) > 0) return true;
  return false;
}

}  // namespace

class ToolIconsTest : public QObject {
  Q_OBJECT

  QTemporaryDir Themes;

  // An icon theme holding only "document-new", as a solid red square.
  void MakeTheme() {
    QDir(Themes.path()).mkpath(QStringLiteral("red/16x16/actions"));
    QFile Index(Themes.filePath(QStringLiteral("red/index.theme")));
    QVERIFY(Index.open(QIODevice::WriteOnly));
    Index.write(
        "[Icon Theme]\nName=red\nDirectories=16x16/actions\n\n"
        "[16x16/actions]\nSize=16\nType=Fixed\n");
    QImage Red(16, 16, QImage::Format_ARGB32);
    Red.fill(ThemeRed);
    QVERIFY(Red.save(Themes.filePath(QStringLiteral("red/16x16/actions/document-new.png"))));
  }

 private slots:
  void initTestCase() {
    MakeTheme();
    QIcon::setThemeSearchPaths({Themes.path()});
  }

  // A picture missing from the compiled-in resource would give an empty button silently.
  void everyPictureIsDrawnWhenTheThemeHasNone() {
    QIcon::setThemeName(QStringLiteral("none"));
    for (int Glyph = int(ToolGlyph::New); Glyph <= int(ToolGlyph::CopyWords); ++Glyph)
      QVERIFY2(HasInk(ToolIcon(ToolGlyph(Glyph)).pixmap(16).toImage()),
               qPrintable(QString::number(Glyph)));
    QVERIFY(HasInk(AppIcon::Pixmap(48).toImage()));
    QCOMPARE(AppIcon::Icon().availableSizes().size(), 7);
  }

  void theUsersThemeComesFirst() {
    QIcon::setThemeName(QStringLiteral("red"));
    QCOMPARE(ToolIcon(ToolGlyph::New).pixmap(16).toImage().pixel(8, 8), ThemeRed);
    const QImage Own = ToolIcon(ToolGlyph::Open).pixmap(16).toImage();
    QVERIFY(HasInk(Own));
    QVERIFY(Own.pixel(8, 8) != ThemeRed);
  }
};

QTEST_MAIN(ToolIconsTest)
#include "ToolIconsTest.moc"
