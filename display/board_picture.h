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

  // Replaces the displayed picture by a fresh copy of the clean board.
  void ShowFreshBoard();

  void DrawStone(const Zere19r19& board, int32_t column, int32_t row, bool marked,
                 int32_t colour) override;
  void ErasePoint(const Zere19r19& board, int32_t column, int32_t row) override;

  // The picture shown in the board control; stones drawn into it stay until ShowFreshBoard.
  const QImage& Displayed() const { return displayed_; }

  // The pictures, with each stone's key colour (its bottom-left pixel) made transparent.
  QImage WhiteStone;
  QImage WhiteStoneMarked;  // A White stone carrying the last-move mark.
  QImage BlackStone;
  QImage BlackStoneMarked;   // A Black stone carrying the last-move mark.
  QImage BoardPicture;       // Clean board: never changed once prepared; the source for erasing.
  int32_t BoardOriginY = 0;  // Pixel y of row 0; GridOriginY once prepared.
  int32_t BoardOriginX = 0;  // Pixel x of column 0; GridOriginX once prepared.

 private:
  // Draws picture with its top-left corner StoneReach pixels left of and above the point.
  void DrawPicture(const Zere19r19& board, int32_t column, int32_t row, const QImage& picture);

  QImage displayed_;
};

// The column and row of an intersection.
struct GridPoint {
  int32_t column;
  int32_t row;
};

// The intersection nearest to a click at (x, y) in the board picture's pixels, searching columns
// then rows below boardSize; of equally near ones the lower column, then the lower row, wins.
// A click 100 pixels or more from every intersection gives {-1, -1}, which callers ignore; no
// click inside the board picture is that far.
GridPoint NearestPoint(const Zere19r19& board, int32_t boardSize, int32_t x, int32_t y);
