#include "sgf/game_record.h"

namespace sgf {

std::string_view Reason(FailureKind kind) {
  switch (kind) {
    case FailureKind::Malformed:
      return "malformed game record";
    case FailureKind::NotGo:
      return "not a game of Go";
    case FailureKind::BoardSize:
      static_assert(MinBoardLines == 2 && BoardLines == 19, "the reason names the sizes");
      return "the board size is not 2 x 2 to 19 x 19";
    case FailureKind::IllegalMove:
      return "illegal move";
    case FailureKind::IllegalSetup:
      return "illegal setup";
    case FailureKind::TooLong:
      return "game too long";
  }
  return "";
}

std::string Failure::Message() const {
  std::string message(Reason(kind));
  return detail.empty() ? message : message + ": " + detail;
}

std::string PointText(int32_t column, int32_t row) {
  if (column < 0 || row < 0) return "";
  return {static_cast<char>('a' + column), static_cast<char>('a' + row)};
}

}  // namespace sgf
