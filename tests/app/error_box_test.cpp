// The error box: its caption, icon, button and full stop; an error escaping a command, which the
// program survives; and a start with a missing or broken picture, which it does not.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "app/error_box.h"
#include "app/program.h"
#include "app_test_support.h"

class ErrorBoxTest : public QObject {
  Q_OBJECT

 private:
  // A folder holding the build's pictures, the named one left out or spoilt.
  static void CopyPictures(const QString& folder) {
    for (const char* name : {BoardPictureFile, WhiteStoneFile, WhiteStoneMarkedFile, BlackStoneFile,
                             BlackStoneMarkedFile}) {
      QVERIFY(QFile::copy(QDir(PictureFolder()).filePath(QString::fromLatin1(name)),
                          QDir(folder).filePath(QString::fromLatin1(name))));
    }
  }

  // Starts the program in folder, whose pictures are not all sound.
  static int StartIn(const QString& folder) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder);
    const int status = RunProgram(folder);
    QDir::setCurrent(before);
    return status;
  }

  static void CheckErrorBox(const MessageBoxCatcher& catcher, const QString& text) {
    QCOMPARE(catcher.boxes, 1);
    QCOMPARE(catcher.deafBoxes, 0);
    QCOMPARE(catcher.caption, QStringLiteral("Zada Da"));
    QCOMPARE(catcher.text, text);
    QCOMPARE(catcher.icon, QMessageBox::Critical);
    QCOMPARE(catcher.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

 private slots:
  void FullStopFollowsOnlyCharactersAboveIt_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letter") << QStringLiteral("Out of memory") << QStringLiteral("Out of memory.");
    QTest::newRow("digit") << QStringLiteral("Error 5") << QStringLiteral("Error 5.");
    QTest::newRow("slash") << QStringLiteral("a/") << QStringLiteral("a/.");
    QTest::newRow("full stop") << QStringLiteral("Done.") << QStringLiteral("Done.");
    QTest::newRow("exclamation") << QStringLiteral("Stop!") << QStringLiteral("Stop!");
    QTest::newRow("bracket") << QStringLiteral("(x)") << QStringLiteral("(x)");
    QTest::newRow("hyphen") << QStringLiteral("a -") << QStringLiteral("a -");
  }

  void FullStopFollowsOnlyCharactersAboveIt() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(WithFullStop(message), shown);
  }

  void ErrorBoxHasTheTitleAStopIconAndOk() {
    MessageBoxCatcher catcher;
    ShowErrorBox(QStringLiteral("Something went wrong"));
    CheckErrorBox(catcher, QStringLiteral("Something went wrong."));
  }

  void ErrorEscapingACommandIsShownAndTheNextCommandRuns() {
    MessageBoxCatcher catcher;
    RunCommand([] { throw std::runtime_error("Out of stones"); });
    CheckErrorBox(catcher, QStringLiteral("Out of stones."));
    bool ran = false;
    RunCommand([&] { ran = true; });
    QVERIFY(ran);
    QCOMPARE(catcher.boxes, 1);
  }

  // An error inside the computer's game against itself reaches the error box through the main
  // window's own command; the box can be answered, and the window takes clicks again afterwards.
  void ErrorInAMainWindowCommandIsShownAndTheWindowGoesOn() {
    ProgramWindows windows(PictureFolder());
    windows.Form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows.Form1));
    GameController& game = windows.Form1.Controller();
    game.SetComputerGameWatcher([]() -> bool { throw std::runtime_error("The game broke off"); });
    MessageBoxCatcher catcher;
    windows.Form1.findChild<QAction*>(QStringLiteral("ctbw"))->trigger();
    CheckErrorBox(catcher, QStringLiteral("The game broke off."));
    const int32_t moves = game.Board().moveCount;
    QTest::mouseClick(windows.Form1.findChild<QPushButton*>(QStringLiteral("Button1")),
                      Qt::LeftButton);
    QVERIFY(game.Board().moveCount > moves);
  }

  void MissingPictureIsReportedAndTheProgramEnds() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    CopyPictures(folder.path());
    QVERIFY(QFile::remove(folder.filePath(QString::fromLatin1(WhiteStoneFile))));
    MessageBoxCatcher catcher;
    QCOMPARE(StartIn(folder.path()), 1);
    CheckErrorBox(catcher, QStringLiteral("Cannot open file stw3.bmp."));
    for (QWidget* window : QApplication::topLevelWidgets())
      QVERIFY(!window->isVisible());
  }

  void BrokenPictureIsReportedAndTheProgramEnds() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    CopyPictures(folder.path());
    QFile broken(folder.filePath(QString::fromLatin1(BoardPictureFile)));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM this is no bitmap");
    broken.close();
    MessageBoxCatcher catcher;
    QCOMPARE(StartIn(folder.path()), 1);
    CheckErrorBox(catcher, QStringLiteral("Bitmap image is not valid."));
  }
};

QTEST_MAIN(ErrorBoxTest)
#include "error_box_test.moc"
