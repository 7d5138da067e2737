#include "display/scoring_panel.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("ScoringPanel", text);
}

// Who wins and by how much, for a lead of margin points to Black.
QString Headline(double margin) {
  if (margin == 0.0) return Tr("Equal points");
  if (std::abs(margin) == 1.0)
    return margin > 0 ? Tr("Black wins by 1 point") : Tr("White wins by 1 point");
  return (margin > 0 ? Tr("Black wins by %1 points") : Tr("White wins by %1 points"))
      .arg(std::abs(margin));
}

// Each colour's area, with the komi added to White's or, when it is negative, taken from it.
QString Figures(const Judgement& judgement, double komi) {
  return (komi < 0 ? Tr("B %1, W %2 - %3") : Tr("B %1, W %2 + %3"))
      .arg(judgement.blackArea)
      .arg(judgement.whiteArea)
      .arg(std::abs(komi));
}

}  // namespace

QString ScoreMessage(const Judgement& judgement, double komi) {
  return Headline(judgement.Margin(komi)) + QLatin1Char('\n') + Figures(judgement, komi);
}

void ShowScoring(const Zere19r19& board, const Judgement& judgement, double komi,
                 StatusPanel& panel) {
  PointMarks owners{};
  PointMarks dead{};
  for (int32_t column = 0; column < BoardLines; ++column) {
    for (int32_t row = 0; row < BoardLines; ++row) {
      const StoneStatus status = judgement.status[column][row];
      if (status == StoneStatus::NoStone || status == StoneStatus::Dead)
        owners[column][row] = judgement.owner[column][row];
      if (status == StoneStatus::Dead) dead[column][row] = board.ColourAt(column, row);
    }
  }
  panel.ShowPassMessage(ScoreMessage(judgement, komi));
  panel.ShowPointMarks(owners);
  panel.ShowDeadStones(dead);
}
