// What the main window offers beyond its layout: game files, the result line, the point marks and
// the signal of a refused click, driven through the window as a player would.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/game_file.h"
#include "app/program.h"
#include "engine/pixel_geometry.h"

class FeaturesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramWindows> windows_;
  QTemporaryDir folder_;

  TForm1& Form() { return windows_->Form1; }
  const Zere19r19& Board() { return Form().Controller().Board(); }
  QWidget* Image1() { return Form().findChild<QWidget*>(QStringLiteral("Image1")); }
  QString Text(const char* name) { return Form().findChild<QLabel*>(name)->text(); }
  void Press(const char* name) { Form().findChild<QPushButton*>(name)->click(); }
  void Click(int32_t column, int32_t row) {
    QTest::mouseClick(Image1(), Qt::LeftButton, {}, QPoint(PixelX(column), PixelY(row)));
  }
  QString FileWith(const char* name, const QByteArray& text) {
    QFile file(folder_.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) qFatal("cannot write");
    return file.fileName();
  }

 private slots:
  void init() {
    windows_ = std::make_unique<ProgramWindows>(QCoreApplication::applicationDirPath());
    Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form()));
  }
  void cleanup() { windows_.reset(); }

  // Black's and White's setup stones, then two moves; Undo stops at the setup stones.
  void OpenedGameSavesAgainAndKeepsItsSetup() {
    const QString opened = FileWith("in.sgf", "(;GM[1]SZ[19]PB[Ann]AB[dd][pp]AW[dp];B[qd];W[cc])");
    QVERIFY(Form().OpenGameFile(opened));
    QCOMPARE(Text("StaticText3"), QStringLiteral("5"));
    QCOMPARE(Form().Controller().SideToMove(), Black);
    const QString saved = FileWith("out.sgf", "an older file");
    QVERIFY(Form().SaveGameFile(saved));
    const sgf::GameRecord original = ReadGameFile(opened).record, copy = ReadGameFile(saved).record;
    QVERIFY(copy.setup == original.setup && copy.moves == original.moves &&
            copy.info == original.info);
    for (int undo = 0; undo < 3; ++undo)
      Press("Button2");
    QCOMPARE(Board().moveCount, 3);
  }

  // The record's first move would stand; its second is refused, and nothing of it reaches the
  // board.
  void IllegalRecordLeavesTheGameAsItWas() {
    Click(3, 3);
    const QImage before = Image1()->grab().toImage();
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      shown = box->text();
      box->accept();
    });
    QVERIFY(!Form().OpenGameFile(FileWith("bad.sgf", "(;GM[1]SZ[19];B[pp];W[pp])")));
    QVERIFY2(shown.contains(QStringLiteral("bad.sgf")) &&
                 shown.contains(QStringLiteral("illegal move: W[pp] (move 2)")),
             qPrintable(shown));
    QCOMPARE(Board().moveCount, 1);
    QCOMPARE(Image1()->grab().toImage(), before);
  }

  void TwoPassesShowTheResultUntilTheNextCommand() {
    Click(3, 3);
    Press("Button1");
    Press("Button1");
    QCOMPARE(Text("StaticText1"), QStringLiteral("Black wins by 361 points"));
    Press("Button2");
    QCOMPARE(Text("StaticText1"), QStringLiteral("White passes"));
  }

  // Black closes the corner (0, 0), White the corner (18, 18): one empty point each.
  void PointMarksAgreeWithTheCounters() {
    for (const auto& [column, row] :
         {std::pair{1, 0}, {17, 18}, {0, 1}, {18, 17}, {1, 1}, {17, 17}})
      Click(column, row);
    Form().findChild<QAction*>(QStringLiteral("showPoints"))->trigger();
    const QImage shown = Image1()->grab().toImage();
    QMap<QRgb, int32_t> marks;  // Empty points by the colour inside a mark, off the grid lines.
    for (int32_t point = 0; point < BoardLines * BoardLines; ++point) {
      const int32_t column = point / BoardLines, row = point % BoardLines;
      if (Board().ColourAt(column, row) == Empty)
        ++marks[shown.pixel(QPoint(PixelX(column), PixelY(row)) + QPoint(2, 2))];
    }
    QCOMPARE(QString::number(marks[qRgb(0, 0, 0)] + 3), Text("Black_Terr"));
    QCOMPARE(QString::number(marks[qRgb(255, 255, 255)] + 3), Text("White_Terr"));
  }

  void RefusedClickIsSignalled() {
    int refused = 0;
    Form().Controller().SetRefusedClickSignal([&] { ++refused; });
    Click(3, 3);
    Click(3, 3);
    QCOMPARE(refused, 1);
  }
};

QTEST_MAIN(FeaturesTest)
#include "features_test.moc"
