#include "display/status_panel.h"

#include "scoring/territory.h"

namespace {

// The points shown for a colour: its stones plus the empty points it alone surrounds.
int32_t Points(const Zere19r19& board, int32_t colour) {
  const ColorRecord& record = board.Record(colour);
  return record.territoryCount + record.stonesOnBoard;
}

// "" after a stone, otherwise which colour passed.
QString PassMessage(const Zere19r19::gomove& newest) {
  if (newest.column >= 0) return QString();
  return newest.colour == Black ? QStringLiteral("Black passes") : QStringLiteral("White passes");
}

}  // namespace

QString ModeCaption(bool computerTakesBlack, bool computerTakesWhite) {
  if (computerTakesBlack && computerTakesWhite) return QStringLiteral("Computer takes both colors");
  if (computerTakesBlack) return QStringLiteral("Computer takes black");
  if (computerTakesWhite) return QStringLiteral("Computer takes white");
  return QStringLiteral("Go game for two partners");
}

bool RefreshStatusPanel(Zere19r19& board, int32_t sideToMove, bool computerTakesBlack,
                        bool computerTakesWhite, StatusPanel& panel) {
  panel.ShowTurnStone(sideToMove == White ? White : Black);
  panel.ShowMoveNumber(QString::number(board.moveCount));
  const bool blackSettled = CountTerritory(board, Black);
  const bool whiteSettled = CountTerritory(board, White);
  panel.ShowBlackPoints(QString::number(Points(board, Black)));
  panel.ShowWhitePoints(QString::number(Points(board, White)));
  panel.ShowModeCaption(ModeCaption(computerTakesBlack, computerTakesWhite));
  if (const Zere19r19::gomove* newest = board.Newest()) panel.ShowPassMessage(PassMessage(*newest));
  return blackSettled && whiteSettled;
}
