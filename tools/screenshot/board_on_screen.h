// Where the board picture sits on the screen, and what a person sees at its intersections.
#pragma once

#include <QImage>
#include <QPoint>
#include <optional>

#include "engine/pixel_geometry.h"

// The title of the program's main window.
inline constexpr char MainWindowTitle[] = "Zada Da and have fun";

// The board picture found on the screen, located by its intersection at column 0, row 0.
struct BoardOnScreen {
  QPoint origin;

  // The screen pixel of the intersection at (column, row).
  QPoint Intersection(int column, int row) const {
    return origin + QPoint(ColumnSpacing * column, RowSpacing * row);
  }
};

// The board of an empty game: found by its top grid line, 325 black pixels long, meeting its left
// line, 343 black pixels long, at the corner.
std::optional<BoardOnScreen> FindBoard(const QImage& screen);

// What the point shows: '.' for the bare board, 'X' for a Black stone, 'O' for a White stone, '?'
// for anything else.
char StoneAt(const QImage& screen, const BoardOnScreen& board, int column, int row);

// True when the point's stone carries the red last-move mark at its centre.
bool MarkedAt(const QImage& screen, const BoardOnScreen& board, int column, int row);
