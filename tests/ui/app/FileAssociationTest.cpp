#include <QtTest>
#include <filesystem>
#include <memory>

#include "base/DocumentError.h"
#include "support/TempHome.h"
#include "ui/app/FileAssociation.h"

using namespace vornic;
using ui::FileAssociation;
namespace fs = std::filesystem;

class FileAssociationTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempHome> Home;
  fs::path Data() const { return Home->Path() / "share"; }

 private slots:
  void init() { Home = std::make_unique<test::TempHome>(); }
  void cleanup() { Home.reset(); }

  void writesTheTypeTheIconAndAnEntryThatOpensFiles() {
    const FileAssociation Association(Data());
    QVERIFY(Association.Ensure("/opt/vornic/vornicpack"));
    const std::string Mime = test::ReadFile(Data() / "mime/packages/vornicpack.xml");
    QVERIFY(Mime.find("<glob pattern=\"*.gm\"/>") != std::string::npos);
    QVERIFY(Mime.find("type=\"application/x-vornic-game\"") != std::string::npos);
    QVERIFY(Mime.find("<comment>Vornic Game Files</comment>") != std::string::npos);
    QVERIFY(!QImage(QString::fromStdString(Association.IconFile().string())).isNull());
    const std::string Entry = test::ReadFile(Association.DesktopEntryFile());
    QVERIFY(Entry.starts_with("[Desktop Entry]\n"));
    QVERIFY(Entry.find("\nExec=\"/opt/vornic/vornicpack\" %f\n") != std::string::npos);
    QVERIFY(Entry.find("\nMimeType=application/x-vornic-game;\n") != std::string::npos);
    QVERIFY(Entry.find("\nIcon=" + Association.IconFile().string() + "\n") != std::string::npos);
  }

  void programPathsAreQuotedAndEscaped_data() {
    QTest::addColumn<QString>("Program");
    QTest::addColumn<QString>("Exec");
    QTest::newRow("blank") << "/home/a b/vornicpack"
                           << R"("/home/a b/vornicpack" %f)";
    QTest::newRow("quote and dollar") << R"(/x/"q"$HOME/v)"
                                      << R"("/x/\\"q\\"\\$HOME/v" %f)";
    QTest::newRow("backslash") << R"(/x\y/v)"
                               << R"("/x\\\\y/v" %f)";
    QTest::newRow("percent") << "/100%/v"
                             << R"("/100%%/v" %f)";
  }
  void programPathsAreQuotedAndEscaped() {
    QFETCH(QString, Program);
    QFETCH(QString, Exec);
    QCOMPARE(QString::fromStdString(FileAssociation::ExecLine(Program.toStdString())), Exec);
    // What is written is read back as pointing at the same program.
    const FileAssociation Association(Data());
    Association.Write(Program.toStdString());
    QVERIFY(Association.PointsAt(Program.toStdString()));
  }
};

QTEST_MAIN(FileAssociationTest)
#include "FileAssociationTest.moc"
