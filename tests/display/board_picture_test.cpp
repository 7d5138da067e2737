// The board picture: exact grid and star points, stones drawn and erased as the game goes,
// the nearest intersection of a click, and how the picture files are found and refused.
//
// Most cases load plain test pictures (a flat background and flat discs of four distinct colours)
// so that every pixel of the displayed board can be predicted without the artwork.
#include <QBitArray>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "display/board_picture.h"

namespace {

constexpr QRgb Paper = qRgb(200, 180, 120);
constexpr QRgb Ink = qRgb(0, 0, 0);
constexpr QRgb TestKey = qRgb(0, 255, 0);
constexpr QRgb WhiteDisc = qRgb(240, 240, 240);
constexpr QRgb WhiteMarkedDisc = qRgb(240, 60, 60);
constexpr QRgb BlackDisc = qRgb(30, 30, 30);
constexpr QRgb BlackMarkedDisc = qRgb(90, 20, 20);

const char* const AllFiles[] = {BoardPictureFile, WhiteStoneFile, WhiteStoneMarkedFile,
                                BlackStoneFile, BlackStoneMarkedFile};

// A stone filling the whole square erasing restores: a flat disc on the key colour, which also
// fills the bottom-left corner.
QImage TestStone(QRgb disc) {
  constexpr int Reach = StoneReach;
  QImage stone(StoneSquareSize, StoneSquareSize, QImage::Format_RGB32);
  for (int y = 0; y < StoneSquareSize; ++y) {
    for (int x = 0; x < StoneSquareSize; ++x) {
      const bool inside = (x - Reach) * (x - Reach) + (y - Reach) * (y - Reach) <= Reach * Reach;
      stone.setPixel(x, y, inside ? disc : TestKey);
    }
  }
  return stone;
}

QImage TestBackground(QRgb colour) {
  QImage board(BoardPictureWidth, BoardPictureHeight, QImage::Format_RGB32);
  board.fill(colour);
  return board;
}

// Writes the five test pictures, the background in the given colour, leaving out skipped.
void WriteTestPictures(const QString& folder, QRgb background = Paper,
                       const QString& skipped = QString()) {
  const QDir dir(folder);
  const auto save = [&](const QImage& image, const char* name) {
    if (skipped != QLatin1String(name)) QVERIFY(image.save(dir.filePath(name), "BMP"));
  };
  save(TestBackground(background), BoardPictureFile);
  save(TestStone(WhiteDisc), WhiteStoneFile);
  save(TestStone(WhiteMarkedDisc), WhiteStoneMarkedFile);
  save(TestStone(BlackDisc), BlackStoneFile);
  save(TestStone(BlackMarkedDisc), BlackStoneMarkedFile);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

// The clean board predicted from the drawing rules alone: lines stop one pixel short of their
// end point, and each star point is the 5 x 5 disc without its four corner pixels.
QImage ExpectedCleanBoard() {
  QImage board = TestBackground(Paper);
  for (int line = 0; line < BoardLines; ++line) {
    for (int y = GridOriginY; y < GridOriginY + GridHeight - 1; ++y)
      board.setPixel(PixelX(line), y, Ink);
    for (int x = GridOriginX; x < GridOriginX + GridWidth; ++x)
      board.setPixel(x, PixelY(line), Ink);
  }
  constexpr int Reach = StarPointReach;
  for (int column : StarPointLines) {
    for (int row : StarPointLines) {
      for (int dy = -Reach; dy <= Reach; ++dy) {
        for (int dx = -Reach; dx <= Reach; ++dx) {
          if (std::abs(dx) != Reach || std::abs(dy) != Reach)
            board.setPixel(PixelX(column) + dx, PixelY(row) + dy, Ink);
        }
      }
    }
  }
  return board;
}

QRect Square(int column, int row) {
  return QRect(PixelX(column) - StoneReach, PixelY(row) - StoneReach, StoneSquareSize,
               StoneSquareSize);
}

// Knows what every point's square looks like empty and under each of the four stones, and
// tells from the displayed picture which of them each point shows.
class PictureOracle {
 public:
  explicit PictureOracle(const BoardCanvas& canvas)
      : canvas_(canvas), outside_(BoardPictureWidth * BoardPictureHeight, false) {
    const std::pair<QString, QRgb> stones[] = {
        {"B", BlackDisc}, {"B*", BlackMarkedDisc}, {"W", WhiteDisc}, {"W*", WhiteMarkedDisc}};
    for (int column = 0; column < BoardLines; ++column) {
      for (int row = 0; row < BoardLines; ++row) {
        const QImage clean = canvas.BoardPicture.copy(Square(column, row));
        looks_[column][row].push_back({".", clean});
        for (const auto& [name, disc] : stones)
          looks_[column][row].push_back({name, Composed(clean, TestStone(disc))});
      }
    }
    for (int y = 0; y < BoardPictureHeight; ++y) {
      for (int x = 0; x < BoardPictureWidth; ++x)
        outside_.setBit(y * BoardPictureWidth + x, !InsideSomeSquare(x, y));
    }
  }

  // "." for the clean board, "B"/"W" for a stone, "B*"/"W*" for one with the last-move mark,
  // "?" for anything else.
  QString ShownAt(int column, int row) const {
    const QImage shown = canvas_.Displayed().copy(Square(column, row));
    for (const auto& [name, look] : looks_[column][row]) {
      if (shown == look) return name;
    }
    return "?";
  }

  // Every point shows what the board holds, and nothing outside the stones' squares changed.
  void Verify(const Zere19r19& board) const {
    for (int column = 0; column < BoardLines; ++column) {
      for (int row = 0; row < BoardLines; ++row) {
        const QString shown = ShownAt(column, row);
        const QString expected = ExpectedAt(board, column, row);
        QVERIFY2(shown == expected, qPrintable(QString("point (%1, %2) shows \"%3\", the board "
                                                       "holds \"%4\"")
                                                   .arg(column)
                                                   .arg(row)
                                                   .arg(shown, expected)));
      }
    }
    for (int y = 0; y < BoardPictureHeight; ++y) {
      for (int x = 0; x < BoardPictureWidth; ++x) {
        if (outside_.testBit(y * BoardPictureWidth + x) &&
            canvas_.Displayed().pixel(x, y) != canvas_.BoardPicture.pixel(x, y))
          QFAIL(qPrintable(QString("pixel (%1, %2) outside the stones changed").arg(x).arg(y)));
      }
    }
  }

 private:
  static QImage Composed(QImage square, const QImage& stone) {
    for (int y = 0; y < StoneSquareSize; ++y) {
      for (int x = 0; x < StoneSquareSize; ++x) {
        if (stone.pixel(x, y) != TestKey) square.setPixel(x, y, stone.pixel(x, y));
      }
    }
    return square;
  }

  static bool InsideSomeSquare(int x, int y) {
    for (int column = 0; column < BoardLines; ++column) {
      for (int row = 0; row < BoardLines; ++row) {
        if (Square(column, row).contains(x, y)) return true;
      }
    }
    return false;
  }

  // The stone at a point, marked when it is the newest record.
  static QString ExpectedAt(const Zere19r19& board, int column, int row) {
    const int32_t colour = board.points[column][row].colour;
    if (colour == Empty) return ".";
    const Zere19r19::gomove* newest = board.Newest();
    const bool marked = newest != nullptr && newest->column == column && newest->row == row;
    return QString(colour == Black ? "B" : "W") + (marked ? "*" : "");
  }

  const BoardCanvas& canvas_;
  std::vector<std::pair<QString, QImage>> looks_[BoardLines][BoardLines];
  QBitArray outside_;
};

}  // namespace

class BoardPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void cleanBoardHasTheExactGridAndStarPoints();
  void gridProbes_data();
  void gridProbes();
  void freshBoardIsACopyOfTheCleanBoard();
  void drawingFollowsTheGame_data();
  void drawingFollowsTheGame();
  void passRecordsDrawNothing();
  void pictureMirrorsARandomGameWithUndos();
  void nearestPoint_data();
  void nearestPoint();
  void nearestPointAgreesWithExactDistancesEverywhere();
  void missingFile_data();
  void missingFile();
  void invalidFile_data();
  void invalidFile();
  void currentDirectoryComesBeforeTheProgramFolder();
  void picturesAreFoundBesideTheExecutable();

 private:
  // Prepares canvas from the test pictures and shows a fresh board.
  void PrepareTestCanvas();

  QString originalDirectory_;
  std::unique_ptr<QTemporaryDir> picturesDir_;
  std::unique_ptr<QTemporaryDir> emptyDir_;
  QString pictures_;     // A folder for the test's own pictures.
  QString emptyFolder_;  // A folder that starts empty.
  std::unique_ptr<BoardCanvas> canvas_;
};

void BoardPictureTest::init() {
  originalDirectory_ = QDir::currentPath();
  picturesDir_ = std::make_unique<QTemporaryDir>();
  emptyDir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(picturesDir_->isValid() && emptyDir_->isValid());
  pictures_ = picturesDir_->path();
  emptyFolder_ = emptyDir_->path();
  canvas_ = std::make_unique<BoardCanvas>();
}

void BoardPictureTest::cleanup() {
  QDir::setCurrent(originalDirectory_);
}

void BoardPictureTest::PrepareTestCanvas() {
  WriteTestPictures(pictures_);
  QVERIFY(QDir::setCurrent(emptyFolder_));
  canvas_->PrepareBoardPicture(pictures_);
  canvas_->ShowFreshBoard();
}

void BoardPictureTest::cleanBoardHasTheExactGridAndStarPoints() {
  PrepareTestCanvas();
  QCOMPARE(canvas_->BoardOriginX, 10);
  QCOMPARE(canvas_->BoardOriginY, 16);
  const QImage expected = ExpectedCleanBoard();
  QCOMPARE(canvas_->BoardPicture.size(), expected.size());
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (canvas_->BoardPicture.pixel(x, y) != expected.pixel(x, y))
        QFAIL(qPrintable(QString("pixel (%1, %2) differs").arg(x).arg(y)));
    }
  }
}

void BoardPictureTest::gridProbes_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("y");
  QTest::addColumn<bool>("ink");
  QTest::newRow("above the top-left corner") << 10 << 15 << false;
  QTest::newRow("top-left corner") << 10 << 16 << true;
  QTest::newRow("left of the top-left corner") << 9 << 16 << false;
  QTest::newRow("last pixel of row 0") << 334 << 16 << true;
  QTest::newRow("past the end of row 0") << 335 << 16 << false;
  QTest::newRow("last pixel of column 5 before row 18") << 100 << 357 << true;
  QTest::newRow("row 18 under column 5") << 100 << 358 << true;
  QTest::newRow("below row 18") << 100 << 359 << false;
  QTest::newRow("bottom-right corner") << 334 << 358 << true;
  QTest::newRow("between the lines") << 19 << 25 << false;
  QTest::newRow("star point (9, 9) centre") << 172 << 187 << true;
  QTest::newRow("star point (9, 9) left edge") << 170 << 187 << true;
  QTest::newRow("star point (9, 9) top-left corner pixel") << 170 << 185 << false;
  QTest::newRow("star point (9, 9) beside the corner pixel") << 171 << 185 << true;
  QTest::newRow("star point (15, 15) bottom-right corner pixel") << 282 << 303 << false;
  QTest::newRow("star point (15, 15) past its right edge") << 283 << 302 << false;
}

void BoardPictureTest::gridProbes() {
  QFETCH(int, x);
  QFETCH(int, y);
  QFETCH(bool, ink);
  PrepareTestCanvas();
  QCOMPARE(canvas_->BoardPicture.pixel(x, y), ink ? Ink : Paper);
}

void BoardPictureTest::freshBoardIsACopyOfTheCleanBoard() {
  PrepareTestCanvas();
  const QImage clean = canvas_->BoardPicture.copy();
  Zere19r19 board(canvas_.get());
  QVERIFY(board.TryMove(3, 3, Black, true));
  QVERIFY(canvas_->Displayed() != clean);
  QCOMPARE(canvas_->BoardPicture, clean);
  canvas_->ShowFreshBoard();
  QCOMPARE(canvas_->Displayed(), clean);
}

void BoardPictureTest::drawingFollowsTheGame_data() {
  QTest::addColumn<QString>("game");
  QTest::addColumn<QString>("shown");
  QTest::newRow("the first stone is marked") << "B 3 3"
                                             << "3 3 B*";
  QTest::newRow("the next stone takes the mark") << "B 3 3, W 4 3"
                                                 << "3 3 B, 4 3 W*";
  QTest::newRow("a pass takes the mark off") << "B 0 0, pass W"
                                             << "0 0 B";
  QTest::newRow("a stone after a pass is the only one marked") << "B 0 0, pass W, B 18 18"
                                                               << "0 0 B, 18 18 B*";
  QTest::newRow("the captured last stone is erased, not redrawn") << "B 1 0, W 0 0, B 0 1"
                                                                  << "0 0 ., 0 1 B*, 1 0 B";
  QTest::newRow("a capture on a star point brings the star point back")
      << "W 3 3, B 2 3, B 4 3, B 3 2, B 3 4"
      << "3 3 ., 3 4 B*";
  QTest::newRow("undo redraws the captured stone and the mark")
      << "B 1 0, W 0 0, W 5 5, B 0 1, undo"
      << "0 0 W, 0 1 ., 5 5 W*";
  QTest::newRow("undo of a stone after a pass leaves no mark") << "B 1 1, pass W, B 2 2, undo"
                                                               << "1 1 B, 2 2 .";
  QTest::newRow("undo of that pass marks the stone again") << "B 1 1, pass W, B 2 2, undo, undo"
                                                           << "1 1 B*";
}

// Plays the game ("B c r" or "W c r" for a stone, "pass B", "undo"), checking after each step
// that the picture mirrors the board, then checks what the named points show.
void BoardPictureTest::drawingFollowsTheGame() {
  QFETCH(QString, game);
  QFETCH(QString, shown);
  PrepareTestCanvas();
  const PictureOracle oracle(*canvas_);
  Zere19r19 board(canvas_.get());
  for (const QString& step : game.split(", ")) {
    const QStringList words = step.split(' ');
    if (words[0] == "undo") {
      board.TakeBack(true);
    } else if (words[0] == "pass") {
      board.Pass(words[1] == "B" ? Black : White);
    } else {
      QVERIFY(
          board.TryMove(words[1].toInt(), words[2].toInt(), words[0] == "B" ? Black : White, true));
    }
    oracle.Verify(board);
  }
  for (const QString& expectation : shown.split(", ")) {
    const QStringList words = expectation.split(' ');
    QCOMPARE(oracle.ShownAt(words[0].toInt(), words[1].toInt()), words[2]);
  }
}

void BoardPictureTest::passRecordsDrawNothing() {
  PrepareTestCanvas();
  Zere19r19 board(canvas_.get());
  QVERIFY(board.TryMove(9, 9, Black, true));
  const QImage before = canvas_->Displayed().copy();
  canvas_->DrawStone(board, -1, -1, true, White);
  canvas_->DrawStone(board, -1, -1, false, Black);
  canvas_->ErasePoint(board, -1, -1);
  QCOMPARE(canvas_->Displayed(), before);
}

// Random play with captures, passes and runs of take-backs; after every step each point shows
// exactly what the board holds. The counts prove that captures and take-backs happened.
void BoardPictureTest::pictureMirrorsARandomGameWithUndos() {
  PrepareTestCanvas();
  const PictureOracle oracle(*canvas_);
  Zere19r19 board(canvas_.get());
  std::mt19937 random(20240611);
  int captures = 0;
  int takeBacks = 0;
  for (int step = 0; step < 600; ++step) {
    const int32_t colour = -board.history->colour;
    const auto roll = static_cast<uint32_t>(random() % 100);
    if (roll < 8 && board.moveCount > 0) {
      for (auto n = static_cast<uint32_t>(1 + random() % 3); n > 0; --n, ++takeBacks)
        board.TakeBack(true);
    } else if (roll < 11) {
      board.Pass(colour);
    } else {
      // A small corner keeps the stones crowded, so groups are captured often.
      const auto column = static_cast<int32_t>(random() % 7);
      const auto row = static_cast<int32_t>(random() % 7);
      if (board.TryMove(column, row, colour, true) && board.Newest()->capturedStones > 0)
        ++captures;
    }
    QCOMPARE(QString::fromStdString(board.CheckConsistency()), QString());
    oracle.Verify(board);
    if (QTest::currentTestFailed()) {
      qWarning("the picture went wrong at step %d", step);
      return;
    }
  }
  QVERIFY(captures >= 10);
  QVERIFY(takeBacks >= 50);
}

void BoardPictureTest::nearestPoint_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("y");
  QTest::addColumn<int>("column");
  QTest::addColumn<int>("row");
  QTest::newRow("on (0, 0)") << 10 << 16 << 0 << 0;
  QTest::newRow("midway between columns 0 and 1 on row 0") << 19 << 16 << 0 << 0;
  QTest::newRow("one pixel right of that midpoint") << 20 << 16 << 1 << 0;
  QTest::newRow("midway between columns 17 and 18 on row 4") << 325 << 92 << 17 << 4;
  QTest::newRow("top-left pixel of the picture") << 0 << 0 << 0 << 0;
  QTest::newRow("bottom-right pixel of the picture") << 344 << 374 << 18 << 18;
  QTest::newRow("nearer row 1 than row 0") << 10 << 26 << 0 << 1;
  QTest::newRow("nearer row 0 than row 1") << 10 << 25 << 0 << 0;
  QTest::newRow("99 pixels right of (18, 18)") << 433 << 358 << 18 << 18;
  QTest::newRow("exactly 100 pixels right of (18, 18)") << 434 << 358 << -1 << -1;
  QTest::newRow("far away") << -500 << 2000 << -1 << -1;
}

void BoardPictureTest::nearestPoint() {
  QFETCH(int, x);
  QFETCH(int, y);
  QFETCH(int, column);
  QFETCH(int, row);
  Zere19r19 board;
  const GridPoint point = NearestPoint(board, BoardLines, x, y);
  QCOMPARE(point.column, column);
  QCOMPARE(point.row, row);
}

// Every pixel of the picture against a search in exact integer distances.
void BoardPictureTest::nearestPointAgreesWithExactDistancesEverywhere() {
  Zere19r19 board;
  for (int y = 0; y < BoardPictureHeight; ++y) {
    for (int x = 0; x < BoardPictureWidth; ++x) {
      int bestColumn = 0, bestRow = 0, bestSquare = INT_MAX;
      for (int column = 0; column < BoardLines; ++column) {
        for (int row = 0; row < BoardLines; ++row) {
          const int dx = x - PixelX(column), dy = y - PixelY(row);
          if (dx * dx + dy * dy < bestSquare) {
            bestSquare = dx * dx + dy * dy;
            bestColumn = column;
            bestRow = row;
          }
        }
      }
      const GridPoint point = NearestPoint(board, BoardLines, x, y);
      if (point.column != bestColumn || point.row != bestRow)
        QFAIL(qPrintable(QString("click (%1, %2)").arg(x).arg(y)));
    }
  }
}

void BoardPictureTest::missingFile_data() {
  QTest::addColumn<QString>("skipped");
  for (const char* name : AllFiles)
    QTest::newRow(name) << QString(name);
}

// The error names the file as the program asks for it, and loading stops at that file.
void BoardPictureTest::missingFile() {
  QFETCH(QString, skipped);
  WriteTestPictures(pictures_, Paper, skipped);
  QVERIFY(QDir::setCurrent(emptyFolder_));
  try {
    canvas_->PrepareBoardPicture(pictures_);
    QFAIL("no error raised");
  } catch (const PictureError& error) {
    QCOMPARE(QString(error.what()), "Cannot open file " + skipped);
  }
  if (skipped == WhiteStoneMarkedFile) {
    QVERIFY(!canvas_->WhiteStone.isNull());
    QVERIFY(canvas_->BlackStone.isNull());
  }
}

void BoardPictureTest::invalidFile_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("content");
  QImage png = TestBackground(Paper);
  QByteArray pngBytes;
  QBuffer buffer(&pngBytes);
  QVERIFY(buffer.open(QIODevice::WriteOnly) && png.save(&buffer, "PNG"));
  QByteArray bmpBytes;
  QBuffer bmpBuffer(&bmpBytes);
  QVERIFY(bmpBuffer.open(QIODevice::WriteOnly) && TestStone(BlackDisc).save(&bmpBuffer, "BMP"));
  QTest::newRow("text") << QString(BlackStoneFile) << QByteArray("not a picture\n");
  QTest::newRow("empty") << QString(BoardPictureFile) << QByteArray();
  QTest::newRow("truncated header") << QString(WhiteStoneFile) << bmpBytes.left(30);
  QTest::newRow("a PNG under the bitmap's name") << QString(BoardPictureFile) << pngBytes;
}

void BoardPictureTest::invalidFile() {
  QFETCH(QString, name);
  QFETCH(QByteArray, content);
  WriteTestPictures(pictures_);
  WriteBytes(QDir(pictures_).filePath(name), content);
  QVERIFY(QDir::setCurrent(emptyFolder_));
  try {
    canvas_->PrepareBoardPicture(pictures_);
    QFAIL("no error raised");
  } catch (const PictureError& error) {
    QCOMPARE(QString(error.what()), QString("Bitmap image is not valid"));
  }
}

void BoardPictureTest::currentDirectoryComesBeforeTheProgramFolder() {
  constexpr QRgb OtherPaper = qRgb(100, 150, 200);
  WriteTestPictures(pictures_);
  WriteTestPictures(emptyFolder_, OtherPaper);
  QVERIFY(QDir::setCurrent(pictures_));
  canvas_->PrepareBoardPicture(emptyFolder_);
  QCOMPARE(canvas_->BoardPicture.pixel(0, 0), Paper);
  QFile::remove(QDir(pictures_).filePath(BoardPictureFile));
  canvas_->PrepareBoardPicture(emptyFolder_);
  QCOMPARE(canvas_->BoardPicture.pixel(0, 0), OtherPaper);
}

// The build paints the program's own pictures beside the programs, this test among them.
void BoardPictureTest::picturesAreFoundBesideTheExecutable() {
  QVERIFY(QDir::setCurrent(emptyFolder_));
  canvas_->PrepareBoardPicture();
  QVERIFY(canvas_->BoardPicture.width() >= BoardPictureWidth &&
          canvas_->BoardPicture.height() >= BoardPictureHeight);
  for (const QImage* stone : {&canvas_->WhiteStone, &canvas_->WhiteStoneMarked,
                              &canvas_->BlackStone, &canvas_->BlackStoneMarked}) {
    QVERIFY(!stone->isNull());
    QVERIFY(stone->width() <= StoneSquareSize && stone->height() <= StoneSquareSize);
  }
}

QTEST_MAIN(BoardPictureTest)
#include "board_picture_test.moc"
