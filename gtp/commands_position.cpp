// Reading the position: the board as text, the stones, the captures, and the judgement of a
// finished game.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/star_points.h"
#include "gtp/arguments.h"
#include "gtp/commands.h"
#include "scoring/judgement.h"
#include "scoring/komi.h"

namespace gtp {
namespace {

// Stones colour has captured, summed over its history records.
int32_t CapturesBy(const Zere19r19& board, int32_t colour) {
  int32_t captured = 0;
  for (const Zere19r19::gomove* move = board.Newest(); move != nullptr; move = move->prev) {
    if (move->colour == colour) captured += move->capturedStones;
  }
  return captured;
}

char PointSymbol(const Zere19r19& board, int32_t column, int32_t row) {
  switch (board.points[column][row].colour) {
    case Black:
      return 'X';
    case White:
      return 'O';
    default:
      return IsStarPoint(board.BoardSize(), column, row) ? '+' : '.';
  }
}

// The letters of the board's columns, lined up over the points.
std::string ColumnHeader(int32_t boardSize) {
  std::string header = "  ";
  for (int32_t column = 0; column < boardSize; ++column) {
    header += ' ';
    header += ColumnLetter(column);
  }
  return header;
}

// One board line: its number, the points, the number again, right-aligned as GTP tools print it.
std::string BoardLine(const Zere19r19& board, int32_t row) {
  char number[4];
  std::snprintf(number, sizeof number, "%2d", board.BoardSize() - row);
  std::string line = number;
  for (int32_t column = 0; column < board.BoardSize(); ++column) {
    line += ' ';
    line += PointSymbol(board, column, row);
  }
  return line + ' ' + number;
}

// The stones of every group the judgement gives status, one group to a line, as GNU Go lists
// dragons.
std::string GroupLines(const Zere19r19& board, const Judgement& judgement, StoneStatus status) {
  std::vector<const StoneGroup*> listed;
  std::string lines;
  for (int32_t row = board.BoardSize() - 1; row >= 0; --row) {
    for (int32_t column = 0; column < board.BoardSize(); ++column) {
      const StoneNode* stone = board.points[column][row].stone;
      if (stone == nullptr || judgement.status[column][row] != status ||
          std::count(listed.begin(), listed.end(), stone->group) > 0)
        continue;
      listed.push_back(stone->group);
      if (!lines.empty()) lines += '\n';
      lines += VertexList(board.BoardSize(), [&](int32_t memberColumn, int32_t memberRow) {
        const StoneNode* member = board.points[memberColumn][memberRow].stone;
        return member != nullptr && member->group == stone->group;
      });
    }
  }
  return lines;
}

}  // namespace

Reply ShowBoard(GameState& state, const Args& args) {
  if (!args.empty()) return SyntaxError();
  const Zere19r19& board = *state.board;
  // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) about "\n" + a temporary string.
  const std::string header = ColumnHeader(board.BoardSize());
  std::string text = "\n" + header;
  for (int32_t row = 0; row < board.BoardSize(); ++row) {
    text += '\n';
    text += BoardLine(board, row);
  }
  text += '\n';
  text += header;
  text += "\nBlack (X) has captured " + std::to_string(CapturesBy(board, Black)) + " stones";
  text += "\nWhite (O) has captured " + std::to_string(CapturesBy(board, White)) + " stones";
  return Success(text);
}

Reply ListStones(GameState& state, const Args& args) {
  int32_t colour = Empty;
  if (!ParseColourArg(args, colour)) return SyntaxError();
  const Zere19r19& board = *state.board;
  return Success(VertexList(board.BoardSize(), [&](int32_t column, int32_t row) {
    return board.points[column][row].colour == colour;
  }));
}

Reply Captures(GameState& state, const Args& args) {
  int32_t colour = Empty;
  if (!ParseColourArg(args, colour)) return SyntaxError();
  return Success(std::to_string(CapturesBy(*state.board, colour)));
}

Reply FinalScore(GameState& state, const Args& args) {
  if (!args.empty()) return SyntaxError();
  return Success(ScoreText(JudgePosition(*state.board).Margin(state.komi)));
}

Reply FinalStatusList(GameState& state, const Args& args) {
  if (args.size() != 1) return SyntaxError();
  StoneStatus status = StoneStatus::NoStone;
  if (args[0] == "alive") status = StoneStatus::Alive;
  if (args[0] == "dead") status = StoneStatus::Dead;
  if (args[0] == "seki") status = StoneStatus::Seki;
  if (status == StoneStatus::NoStone) return SyntaxError();
  return Success(GroupLines(*state.board, JudgePosition(*state.board), status));
}

}  // namespace gtp
