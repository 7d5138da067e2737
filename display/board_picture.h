// The board picture: the clean board with its grid and star points, the displayed copy that
// stones are drawn into, and the geometry that maps clicks back to intersections.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <stdexcept>

#include "engine/board.h"
#include "engine/pixel_geometry.h"

// A picture file that is missing or not a valid bitmap; what() is the text for the error box.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The picture files, read once at start-up.
inline constexpr char BoardPictureFile[] = "B-256.bmp";  // Background of the board.
inline constexpr char WhiteStoneFile[] = "stw3.bmp";
inline constexpr char WhiteStoneMarkedFile[] = "stw3_k.bmp";
inline constexpr char BlackStoneFile[] = "stb3.bmp";
inline constexpr char BlackStoneMarkedFile[] = "stb3_k.bmp";

// Owns the five pictures and draws the engine's committed changes into the displayed picture.
class BoardCanvas final : public BoardView {
 public:
  // Sets the origins, loads the five pictures and draws grid and star points into the clean
  // board. Each file is looked up by its name in the current directory first, then beside the
  // executable. The board picture must be a complete bitmap of BoardPictureWidth x
  // BoardPictureHeight, each stone one of StoneSquareSize square. Throws PictureError ("Cannot
  // open file %s", "Bitmap image %s is not valid: ..." naming the file and the size it needs).
  void PrepareBoardPicture();

  // The same, with programFolder standing in for the executable's folder.
  void PrepareBoardPicture(const QString& programFolder);

  // Replaces the displayed picture by a fresh copy of the clean board of boardSize lines
  // (MinBoardLines..BoardLines), which is drawn anew when the size changes.
  void ShowFreshBoard(int32_t boardSize);

  void DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                 int32_t colour) override;
  void ErasePoint(const Zere19r19& board, int32_t column, int32_t row) override;

  // The picture shown in the board control; stones drawn into it stay until ShowFreshBoard.
  const QImage& Displayed() const { return displayed_; }
  // The grid of the clean board's size.
  const BoardGrid& Grid() const { return grid_; }
  // The picture of a stone of colour (White's for anything but Black), with the last-move mark
  // when marked, at the scale of the clean board's grid.
  const QImage& Stone(int32_t colour, bool marked) const;

  // The pictures, with each stone's key colour (its bottom-left pixel) made transparent.
  QImage WhiteStone;
  QImage WhiteStoneMarked;  // A White stone carrying the last-move mark.
  QImage BlackStone;
  QImage BlackStoneMarked;  // A Black stone carrying the last-move mark.
  // Clean board of the grid's size: changed only with the size; the source for erasing.
  QImage BoardPicture;
  int32_t BoardOriginY = 0;  // Pixel y of the full-size grid's row 0; GridOriginY once prepared.
  int32_t BoardOriginX = 0;  // Pixel x of the full-size grid's column 0; GridOriginX once prepared.

 private:
  // Draws the clean board and scales the stones for a board of boardSize lines.
  void PrepareSize(int32_t boardSize);
  // The square a stone covers at the point, at the grid's scale: what erasing restores.
  QRect StoneSquare(const BoardPoint& point) const;
  // Draws the stone of colour, marked or not, over the point.
  void DrawPicture(const Zere19r19& board, int32_t column, int32_t row, int32_t colour,
                   bool marked);

  QImage background_;  // The board picture as loaded, without grid or star points.
  BoardGrid grid_;
  QImage stones_[2][2];  // [Black][marked] at the grid's scale; the pictures above on full size.
  QImage displayed_;
};

// The column and row of an intersection.
struct GridPoint {
  int32_t column;
  int32_t row;
};

// The intersection nearest to a click at (x, y) in the board picture's pixels, searching columns
// then rows below boardSize; of equally near ones the lower column, then the lower row, wins.
// A click 100 pixels of the full-size grid (at boardSize's scale) or more from every
// intersection gives {-1, -1}, which callers ignore; no click inside the board picture is that
// far.
GridPoint NearestPoint(const Zere19r19& board, int32_t boardSize, int32_t x, int32_t y);
