// The status panel and the board's marks while a finished game is scored: the result with komi
// in place of the pass message, the points each colour gets once the dead stones are taken off in
// place of the count's marks, and the dead stones themselves. The two point counters keep the
// count, so scoring shows beside it what the count leaves out.
#pragma once

#include <QString>

#include "display/status_panel.h"
#include "engine/board.h"
#include "scoring/judgement.h"

// The result of a judged game with komi points given to White, then on a second line the figures
// it comes from: "Black wins by 5.5 points\nB 184, W 171 + 7.5", "White wins by 1 point\n...",
// "Equal points\n...". The figures are short enough for the narrow panel.
QString ScoreMessage(const Judgement& judgement, double komi);

// Shows judgement on panel over what RefreshStatusPanel showed: the score message, as point marks
// the owner of every point that holds no standing stone, and the dead stones.
void ShowScoring(const Zere19r19& board, const Judgement& judgement, double komi,
                 StatusPanel& panel);
