// The program's own pictures: sizes, clean transparency of the stones, the icon's colours, and
// files that come out the same every time and load back through the board picture.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "display/artwork.h"
#include "display/board_picture.h"

namespace {

// A pixel that looks like the key colour bled into it: both red and blue well above green.
bool MagentaTinted(QRgb pixel) {
  return qRed(pixel) - qGreen(pixel) > 40 && qBlue(pixel) - qGreen(pixel) > 40;
}

double MeanBrightness(const QImage& stone) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < stone.height(); ++y) {
    for (int x = 0; x < stone.width(); ++x) {
      if (stone.pixel(x, y) == StoneKeyColour) continue;
      sum += qGray(stone.pixel(x, y));
      ++count;
    }
  }
  return sum / count;
}

// Key-coloured pixels that cannot be reached from the picture's border through key-coloured
// pixels: holes inside the stone that would show the board through it.
int EnclosedKeyPixels(const QImage& stone) {
  const int w = stone.width(), h = stone.height();
  std::vector<bool> reached(w * h, false);
  std::vector<QPoint> open;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      if (border && stone.pixel(x, y) == StoneKeyColour) {
        reached[y * w + x] = true;
        open.push_back({x, y});
      }
    }
  }
  while (!open.empty()) {
    const QPoint p = open.back();
    open.pop_back();
    for (const QPoint step : {QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)}) {
      const QPoint n = p + step;
      if (!stone.valid(n) || reached[n.y() * w + n.x()] || stone.pixel(n) != StoneKeyColour)
        continue;
      reached[n.y() * w + n.x()] = true;
      open.push_back(n);
    }
  }
  int enclosed = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      enclosed += stone.pixel(x, y) == StoneKeyColour && !reached[y * w + x];
  }
  return enclosed;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void boardCoversThePicture();
  void stones_data();
  void stones();
  void whiteIsLightBlackIsDarkAndMarksShow();
  void iconHas16Colours();
  void filesAreReproducibleAndLoad();
};

void ArtworkTest::boardCoversThePicture() {
  const QImage board = BoardBackgroundImage();
  QVERIFY(board.width() >= BoardPictureWidth && board.height() >= BoardPictureHeight);
  QVERIFY(!board.hasAlphaChannel());
}

void ArtworkTest::stones_data() {
  QTest::addColumn<int>("colour");
  QTest::addColumn<bool>("marked");
  QTest::newRow("white") << White << false;
  QTest::newRow("white marked") << White << true;
  QTest::newRow("black") << Black << false;
  QTest::newRow("black marked") << Black << true;
}

// The stone fits the square that erasing restores, carries the key colour in its bottom-left
// pixel and its corners, has no key-coloured holes and no pink fringe.
void ArtworkTest::stones() {
  QFETCH(int, colour);
  QFETCH(bool, marked);
  const QImage stone = StoneImage(colour, marked);
  QVERIFY(stone.width() <= StoneSquareSize && stone.height() <= StoneSquareSize);
  QCOMPARE(stone.pixel(0, stone.height() - 1), StoneKeyColour);
  QCOMPARE(stone.pixel(0, 0), StoneKeyColour);
  QCOMPARE(stone.pixel(stone.width() - 1, 0), StoneKeyColour);
  QCOMPARE(EnclosedKeyPixels(stone), 0);
  QVERIFY(stone.pixel(StoneReach, StoneReach) != StoneKeyColour);
  for (int y = 0; y < stone.height(); ++y) {
    for (int x = 0; x < stone.width(); ++x) {
      const QRgb pixel = stone.pixel(x, y);
      if (pixel != StoneKeyColour && MagentaTinted(pixel))
        QFAIL(qPrintable(QString("pixel (%1, %2) is tinted by the key colour").arg(x).arg(y)));
    }
  }
}

void ArtworkTest::whiteIsLightBlackIsDarkAndMarksShow() {
  QVERIFY(MeanBrightness(StoneImage(White, false)) > 180);
  QVERIFY(MeanBrightness(StoneImage(Black, false)) < 80);
  QVERIFY(StoneImage(White, true) != StoneImage(White, false));
  QVERIFY(StoneImage(Black, true) != StoneImage(Black, false));
}

void ArtworkTest::iconHas16Colours() {
  const QImage icon = ProgramIconImage();
  QCOMPARE(icon.size(), QSize(32, 32));
  QCOMPARE(icon.colorCount(), 16);
}

void ArtworkTest::filesAreReproducibleAndLoad() {
  QTemporaryDir first, second, elsewhere;
  QVERIFY(WritePictureFiles(first.path()));
  QVERIFY(WritePictureFiles(second.path()));
  for (const char* name : {BoardPictureFile, WhiteStoneFile, WhiteStoneMarkedFile, BlackStoneFile,
                           BlackStoneMarkedFile, ProgramIconFile}) {
    const QByteArray bytes = FileBytes(QDir(first.path()).filePath(name));
    QVERIFY2(!bytes.isEmpty(), name);
    QVERIFY2(bytes == FileBytes(QDir(second.path()).filePath(name)), name);
  }
  const QString original = QDir::currentPath();
  QVERIFY(QDir::setCurrent(elsewhere.path()));
  BoardCanvas canvas;
  canvas.PrepareBoardPicture(first.path());
  QDir::setCurrent(original);
  const QImage& stone = canvas.BlackStoneMarked;
  const QImage painted = StoneImage(Black, true);
  for (int y = 0; y < stone.height(); ++y) {
    for (int x = 0; x < stone.width(); ++x) {
      const bool key = painted.pixel(x, y) == StoneKeyColour;
      QCOMPARE(qAlpha(stone.pixel(x, y)), key ? 0 : 255);
      if (!key) QCOMPARE(stone.pixel(x, y), painted.pixel(x, y));
    }
  }
}

QTEST_MAIN(ArtworkTest)
#include "artwork_test.moc"
