#include "display/status_panel.h"

#include <QCoreApplication>

#include "scoring/territory.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("StatusPanel", text);
}

// The points shown for a colour: its stones plus the empty points it alone surrounds.
int32_t Points(const Zere19r19& board, int32_t colour) {
  const ColorRecord& record = board.Record(colour);
  return record.territoryCount + record.stonesOnBoard;
}

// "" after a stone, otherwise which colour passed.
QString PassMessage(const Zere19r19::gomove& newest) {
  if (newest.column >= 0) return QString();
  return newest.colour == Black ? Tr("Black passes") : Tr("White passes");
}

// Copies the points the count just claimed for colour into marks. The next colour's count
// clears them on the board, so each colour's marks are taken right after its own count.
void TakeMarks(const Zere19r19& board, int32_t colour, PointMarks& marks) {
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      if (board.points[column][row].territoryMark == colour) marks[column][row] = colour;
    }
  }
}

}  // namespace

QString ModeCaption(bool computerTakesBlack, bool computerTakesWhite) {
  if (computerTakesBlack && computerTakesWhite) return Tr("Computer takes both colors");
  if (computerTakesBlack) return Tr("Computer takes black");
  if (computerTakesWhite) return Tr("Computer takes white");
  return Tr("Go game for two partners");
}

bool RefreshStatusPanel(Zere19r19& board, int32_t setupRecords, int32_t sideToMove,
                        bool computerTakesBlack, bool computerTakesWhite, StatusPanel& panel) {
  panel.ShowTurnStone(sideToMove == White ? White : Black);
  panel.ShowMoveNumber(QString::number(board.moveCount - setupRecords));
  PointMarks marks{};
  const bool blackSettled = CountTerritory(board, Black);
  TakeMarks(board, Black, marks);
  const bool whiteSettled = CountTerritory(board, White);
  TakeMarks(board, White, marks);
  panel.ShowBlackPoints(QString::number(Points(board, Black)));
  panel.ShowWhitePoints(QString::number(Points(board, White)));
  panel.ShowPointMarks(marks);
  panel.ShowDeadStones({});
  panel.ShowModeCaption(ModeCaption(computerTakesBlack, computerTakesWhite));
  if (const Zere19r19::gomove* newest = board.Newest()) panel.ShowPassMessage(PassMessage(*newest));
  return blackSettled && whiteSettled;
}
