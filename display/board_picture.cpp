#include "display/board_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace {

constexpr QRgb GridColour = qRgb(0, 0, 0);
constexpr int32_t GridLines = 19;
constexpr int32_t ColumnPitch = 18;
constexpr int32_t RowPitch = 19;
constexpr int32_t StoneReach = 8;  // A stone covers its intersection and 8 pixels on every side.

// The file's path: the name itself when it resolves from the current directory, otherwise the
// same name in programFolder, so a launcher that starts us elsewhere still finds the pictures.
QString LocatePicture(const QString& name, const QString& programFolder) {
  if (QFile::exists(name) || programFolder.isEmpty()) return name;
  const QString beside = QDir(programFolder).filePath(name);
  return QFile::exists(beside) ? beside : name;
}

QImage LoadBitmap(const char* name, const QString& programFolder) {
  QFile file(LocatePicture(QString::fromUtf8(name), programFolder));
  if (!file.open(QIODevice::ReadOnly)) throw PictureError(std::string("Cannot open file ") + name);
  QImageReader reader(&file, "bmp");
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  if (image.isNull()) throw PictureError("Bitmap image is not valid");
  return image;
}

// The picture with every pixel of its bottom-left pixel's colour made fully transparent.
QImage LoadTransparentBitmap(const char* name, const QString& programFolder) {
  QImage image = LoadBitmap(name, programFolder).convertToFormat(QImage::Format_ARGB32);
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
// lines end one pixel above row 18, whose line closes the grid; the horizontal lines reach column
// 18's line.
void DrawGrid(QImage& image, int32_t originX, int32_t originY) {
  constexpr int32_t VerticalLength = RowPitch * (GridLines - 1);
  constexpr int32_t HorizontalLength = ColumnPitch * (GridLines - 1) + 1;
  QPainter painter(&image);
  for (int32_t i = 0; i < GridLines; ++i) {
    painter.fillRect(QRect(originX + ColumnPitch * i, originY, 1, VerticalLength), GridColour);
    painter.fillRect(QRect(originX, originY + RowPitch * i, HorizontalLength, 1), GridColour);
  }
}

// Nine 5 x 5 discs centred on the points whose column and row are 3, 9 or 15.
void DrawStarPoints(QImage& image, int32_t originX, int32_t originY) {
  const int32_t left = originX + 52;
  const int32_t top = originY + 55;
  for (int32_t k = 0; k < 3; ++k) {
    for (int32_t j = 0; j < 3; ++j)
      FillEllipse(image, QRect(left + 108 * j, top + 114 * k, 5, 5), GridColour);
  }
}

}  // namespace

void BoardCanvas::PrepareBoardPicture() {
  const QString programFolder =
      QCoreApplication::instance() != nullptr ? QCoreApplication::applicationDirPath() : QString();
  PrepareBoardPicture(programFolder);
}

void BoardCanvas::PrepareBoardPicture(const QString& programFolder) {
  BoardOriginY = 16;
  BoardOriginX = 10;
  BoardPicture = LoadBitmap(BoardPictureFile, programFolder).convertToFormat(QImage::Format_RGB32);
  DrawGrid(BoardPicture, BoardOriginX, BoardOriginY);
  DrawStarPoints(BoardPicture, BoardOriginX, BoardOriginY);
  WhiteStone = LoadTransparentBitmap(WhiteStoneFile, programFolder);
  WhiteStoneMarked = LoadTransparentBitmap(WhiteStoneMarkedFile, programFolder);
  BlackStone = LoadTransparentBitmap(BlackStoneFile, programFolder);
  BlackStoneMarked = LoadTransparentBitmap(BlackStoneMarkedFile, programFolder);
}

void BoardCanvas::ShowFreshBoard() {
  displayed_ = BoardPicture.copy();
}

void BoardCanvas::DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                            int32_t colour) {
  if (column < 0 || row < 0) return;
  if (!marked) {
    DrawPicture(board, column, row, colour == Black ? BlackStone : WhiteStone);
    return;
  }
  DrawPicture(board, column, row, colour == Black ? BlackStoneMarked : WhiteStoneMarked);
  const Zere19r19::gomove* newest = board.Newest();
  const Zere19r19::gomove* before = newest != nullptr ? newest->prev : nullptr;
  if (before == nullptr || before->column < 0) return;
  if (board.points[before->column][before->row].colour == Empty) return;
  DrawPicture(board, before->column, before->row,
              before->colour == Black ? BlackStone : WhiteStone);
}

void BoardCanvas::ErasePoint(const Zere19r19& board, int32_t column, int32_t row) {
  if (column < 0 || row < 0 || displayed_.isNull()) return;
  const BoardPoint& point = board.points[column][row];
  const QRect square(point.x - StoneReach, point.y - StoneReach, 2 * StoneReach + 1,
                     2 * StoneReach + 1);
  QPainter painter(&displayed_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(square, BoardPicture, square);
}

void BoardCanvas::DrawPicture(const Zere19r19& board, int32_t column, int32_t row,
                              const QImage& picture) {
  if (displayed_.isNull()) return;
  const BoardPoint& point = board.points[column][row];
  QPainter painter(&displayed_);
  painter.drawImage(QPoint(point.x - StoneReach, point.y - StoneReach), picture);
}

GridPoint NearestPoint(const Zere19r19& board, int32_t boardSize, int32_t x, int32_t y) {
  GridPoint nearest{-1, -1};
  double best = 100.0;
  for (int32_t c = 0; c < boardSize; ++c) {
    for (int32_t r = 0; r < boardSize; ++r) {
      const BoardPoint& point = board.points[c][r];
      const double distance = std::sqrt(std::pow(x - point.x, 2.0) + std::pow(y - point.y, 2.0));
      if (distance < best) {
        best = distance;
        nearest = {c, r};
      }
    }
  }
  return nearest;
}
