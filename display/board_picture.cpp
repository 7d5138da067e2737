#include "display/board_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "engine/star_points.h"

namespace {

constexpr QRgb GridColour = qRgb(0, 0, 0);

// The first best distance of the nearest-point search: a click this far or farther from every
// intersection selects none.
constexpr double FarthestClick = 100.0;

// The file's path: the name itself when it resolves from the current directory, otherwise the
// same name in programFolder, so a launcher that starts us elsewhere still finds the pictures.
QString LocatePicture(const QString& name, const QString& programFolder) {
  if (QFile::exists(name) || programFolder.isEmpty()) return name;
  const QString beside = QDir(programFolder).filePath(name);
  return QFile::exists(beside) ? beside : name;
}

// The bytes of a BMP file's headers this program reads: the file header and the info header up to
// its image size.
constexpr qint64 BitmapHeaderBytes = 38;

uint32_t LittleEndian(const QByteArray& bytes, int32_t at, int32_t length) {
  uint32_t value = 0;
  for (int32_t byte = length - 1; byte >= 0; --byte)
    value = value << 8 | static_cast<uint8_t>(bytes[at + byte]);
  return value;
}

// The length a complete BMP file with this header has, pixels included; -1 for a header that is
// not a BMP's. Needed because the image loader draws the rows missing from a cut-off file black
// without a word.
qint64 CompleteBitmapLength(const QByteArray& header) {
  if (header.size() < BitmapHeaderBytes || !header.startsWith("BM")) return -1;
  const qint64 pixelsAt = LittleEndian(header, 10, 4);
  const bool coreHeader = LittleEndian(header, 14, 4) == 12;  // The oldest kind: 16-bit sizes.
  const qint64 width =
      coreHeader ? LittleEndian(header, 18, 2) : static_cast<int32_t>(LittleEndian(header, 18, 4));
  const qint64 height =
      coreHeader ? LittleEndian(header, 20, 2) : static_cast<int32_t>(LittleEndian(header, 22, 4));
  const qint64 bitsPerPixel = LittleEndian(header, coreHeader ? 24 : 28, 2);
  const uint32_t compression = coreHeader ? 0 : LittleEndian(header, 30, 4);
  // No picture of ours comes near these sizes; larger ones would overflow the count below.
  constexpr qint64 Largest = 0xFFFF;
  if (width <= 0 || width > Largest || height == 0 || std::abs(height) > Largest) return -1;
  constexpr uint32_t Uncompressed = 0, BitFields = 3;
  // A compressed file says how long its pixels are; an uncompressed one has whole rows of four-byte
  // multiples.
  if (compression != Uncompressed && compression != BitFields)
    return pixelsAt + LittleEndian(header, 34, 4);
  return pixelsAt + (width * bitsPerPixel + 31) / 32 * 4 * std::abs(height);
}

QImage LoadBitmap(const char* name, const QString& programFolder, QSize size) {
  QFile file(LocatePicture(QString::fromUtf8(name), programFolder));
  if (!file.open(QIODevice::ReadOnly))
    throw PictureError(QCoreApplication::translate("BoardCanvas", "Cannot open file %1")
                           .arg(QString::fromUtf8(name))
                           .toStdString());
  const qint64 length = CompleteBitmapLength(file.peek(BitmapHeaderBytes));
  QImageReader reader(&file, "bmp");
  reader.setAutoDetectImageFormat(false);
  // The size is checked before the pixels are read, so that a header cannot make us allocate
  // what it likes; any other size would leave gaps on the board or remnants when a stone is erased.
  QImage image;
  if (length >= 0 && file.size() >= length && reader.size() == size) image = reader.read();
  if (image.isNull())
    throw PictureError(QCoreApplication::translate(
                           "BoardCanvas",
                           "Bitmap image %1 is not valid: it must be a complete bitmap of %2 x %3 "
                           "pixels")
                           .arg(QString::fromUtf8(name))
                           .arg(size.width())
                           .arg(size.height())
                           .toStdString());
  return image;
}

// A stone's picture with every pixel of its bottom-left pixel's colour made fully transparent.
QImage LoadTransparentBitmap(const char* name, const QString& programFolder) {
  QImage image = LoadBitmap(name, programFolder, QSize(StoneSquareSize, StoneSquareSize))
                     .convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return image;
}

// Fills the pixels whose centres lie inside the ellipse inscribed in box. Done by hand rather
// than by QPainter so the small star-point discs come out the same on every machine.
void FillEllipse(QImage& image, const QRect& box, QRgb colour) {
  const double radiusX = box.width() / 2.0;
  const double radiusY = box.height() / 2.0;
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      const double dx = (x + 0.5 - radiusX) / radiusX;
      const double dy = (y + 0.5 - radiusY) / radiusY;
      const QPoint pixel = box.topLeft() + QPoint(x, y);
      if (dx * dx + dy * dy <= 1.0 && image.valid(pixel)) image.setPixel(pixel, colour);
    }
  }
}

// Each line covers its start point and stops one pixel short of its end point. The vertical
// lines end one pixel above the last row, whose line closes the grid; the horizontal lines reach
// the last column's line.
void DrawGrid(QImage& image, const BoardGrid& grid) {
  QPainter painter(&image);
  const int32_t last = grid.Lines() - 1;
  for (int32_t line = 0; line <= last; ++line) {
    painter.fillRect(QRect(grid.X(line), grid.Y(0), 1, grid.Y(last) - grid.Y(0)), GridColour);
    painter.fillRect(QRect(grid.X(0), grid.Y(line), grid.X(last) - grid.X(0) + 1, 1), GridColour);
  }
}

// A disc centred on each star point of the grid's board.
void DrawStarPoints(QImage& image, const BoardGrid& grid) {
  const int32_t reach = grid.Scaled(StarPointReach);
  for (int32_t row = 0; row < grid.Lines(); ++row) {
    for (int32_t column = 0; column < grid.Lines(); ++column) {
      if (!IsStarPoint(grid.Lines(), column, row)) continue;
      const QRect disc(grid.X(column) - reach, grid.Y(row) - reach, 2 * reach + 1, 2 * reach + 1);
      FillEllipse(image, disc, GridColour);
    }
  }
}

// stone smoothly scaled to size x size and cut to the disc inscribed in that square, where the
// blurred corners of its square would show; stone itself when it has that size.
QImage ScaledStone(const QImage& stone, int32_t size) {
  if (stone.width() == size) return stone;
  QImage disc(size, size, QImage::Format_ARGB32_Premultiplied);
  disc.fill(Qt::transparent);
  QPainter painter(&disc);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(stone.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  painter.drawEllipse(QRectF(0, 0, size, size));
  return disc;
}

}  // namespace

void BoardCanvas::PrepareBoardPicture() {
  const QString programFolder =
      QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QString();
  PrepareBoardPicture(programFolder);
}

void BoardCanvas::PrepareBoardPicture(const QString& programFolder) {
  BoardOriginY = GridOriginY;
  BoardOriginX = GridOriginX;
  background_ =
      LoadBitmap(BoardPictureFile, programFolder, QSize(BoardPictureWidth, BoardPictureHeight))
          .convertToFormat(QImage::Format_RGB32);
  WhiteStone = LoadTransparentBitmap(WhiteStoneFile, programFolder);
  WhiteStoneMarked = LoadTransparentBitmap(WhiteStoneMarkedFile, programFolder);
  BlackStone = LoadTransparentBitmap(BlackStoneFile, programFolder);
  BlackStoneMarked = LoadTransparentBitmap(BlackStoneMarkedFile, programFolder);
  PrepareSize(BoardLines);
}

void BoardCanvas::PrepareSize(int32_t boardSize) {
  grid_ = BoardGrid(boardSize, BoardOriginX, BoardOriginY);
  BoardPicture = background_.copy();
  DrawGrid(BoardPicture, grid_);
  DrawStarPoints(BoardPicture, grid_);
  const int32_t size = 2 * grid_.Scaled(StoneReach) + 1;
  stones_[0][0] = ScaledStone(WhiteStone, size);
  stones_[0][1] = ScaledStone(WhiteStoneMarked, size);
  stones_[1][0] = ScaledStone(BlackStone, size);
  stones_[1][1] = ScaledStone(BlackStoneMarked, size);
}

void BoardCanvas::ShowFreshBoard(int32_t boardSize) {
  if (boardSize != grid_.Lines()) PrepareSize(boardSize);
  displayed_ = BoardPicture.copy();
}

const QImage& BoardCanvas::Stone(int32_t colour, bool marked) const {
  return stones_[colour == Black ? 1 : 0][marked ? 1 : 0];
}

void BoardCanvas::DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                            int32_t colour) {
  if (column < 0 || row < 0) return;
  DrawPicture(board, column, row, colour, marked);
  if (!marked) return;
  const Zere19r19::gomove* newest = board.Newest();
  const Zere19r19::gomove* before = newest != nullptr ? newest->prev : nullptr;
  if (before == nullptr || before->column < 0) return;
  if (board.points[before->column][before->row].colour == Empty) return;
  DrawPicture(board, before->column, before->row, before->colour, false);
}

void BoardCanvas::ErasePoint(const Zere19r19& board, int32_t column, int32_t row) {
  if (column < 0 || row < 0 || displayed_.isNull()) return;
  const QRect square = StoneSquare(board.points[column][row]);
  QPainter painter(&displayed_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(square, BoardPicture, square);
}

QRect BoardCanvas::StoneSquare(const BoardPoint& point) const {
  const int32_t reach = grid_.Scaled(StoneReach);
  return {point.x - reach, point.y - reach, 2 * reach + 1, 2 * reach + 1};
}

void BoardCanvas::DrawPicture(const Zere19r19& board, int32_t column, int32_t row, int32_t colour,
                              bool marked) {
  if (displayed_.isNull()) return;
  // A scaled stone's rim is partly transparent: drawn over the stone already there it would
  // darken, so the clean square goes first.
  ErasePoint(board, column, row);
  QPainter painter(&displayed_);
  painter.drawImage(StoneSquare(board.points[column][row]).topLeft(), Stone(colour, marked));
}

GridPoint NearestPoint(const Zere19r19& board, int32_t boardSize, int32_t x, int32_t y) {
  GridPoint nearest{-1, -1};
  double best = FarthestClick * BoardGrid(boardSize).Scale();
  for (int32_t column = 0; column < boardSize; ++column) {
    for (int32_t row = 0; row < boardSize; ++row) {
      const BoardPoint& point = board.points[column][row];
      const double distance = std::sqrt(std::pow(x - point.x, 2.0) + std::pow(y - point.y, 2.0));
      if (distance < best) {
        best = distance;
        nearest = {column, row};
      }
    }
  }
  return nearest;
}
