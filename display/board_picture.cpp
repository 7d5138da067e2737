#include "display/board_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cmath>

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

QImage LoadBitmap(const char* name, const QString& programFolder) {
  QFile file(LocatePicture(QString::fromUtf8(name), programFolder));
  if (!file.open(QIODevice::ReadOnly))
    throw PictureError(QCoreApplication::translate("BoardCanvas", "Cannot open file %1")
                           .arg(QString::fromUtf8(name))
                           .toStdString());
  QImageReader reader(&file, "bmp");
  reader.setAutoDetectImageFormat(false);
  QImage image = reader.read();
  if (image.isNull())
    throw PictureError(
        QCoreApplication::translate("BoardCanvas", "Bitmap image is not valid").toStdString());
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
  QPainter painter(&image);
  for (int32_t line = 0; line < BoardLines; ++line) {
    painter.fillRect(QRect(PixelX(line, originX), originY, 1, GridHeight - 1), GridColour);
    painter.fillRect(QRect(originX, PixelY(line, originY), GridWidth, 1), GridColour);
  }
}

// Nine discs centred on the points where a star column meets a star row.
void DrawStarPoints(QImage& image, int32_t originX, int32_t originY) {
  constexpr int32_t Size = 2 * StarPointReach + 1;
  for (const int32_t row : StarPointLines) {
    for (const int32_t column : StarPointLines) {
      const QRect disc(PixelX(column, originX) - StarPointReach,
                       PixelY(row, originY) - StarPointReach, Size, Size);
      FillEllipse(image, disc, GridColour);
    }
  }
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
  const QRect square(point.x - StoneReach, point.y - StoneReach, StoneSquareSize, StoneSquareSize);
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
  double best = FarthestClick;
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
