#include "tests/engine/reference_board.h"

ReferenceBoard::ReferenceBoard() {
  cells_.fill(0);
}

ReferenceBoard::NeighbourList ReferenceBoard::Neighbours(int index) {
  const int column = index / kSize;
  const int row = index % kSize;
  NeighbourList result;
  if (column + 1 < kSize) result.index[result.count++] = Index(column + 1, row);
  if (row + 1 < kSize) result.index[result.count++] = Index(column, row + 1);
  if (column > 0) result.index[result.count++] = Index(column - 1, row);
  if (row > 0) result.index[result.count++] = Index(column, row - 1);
  return result;
}

std::vector<int> ReferenceBoard::Chain(int index, int* liberties) const {
  const int colour = cells_[index];
  std::array<bool, kSize * kSize> seen{};
  std::array<bool, kSize * kSize> liberty{};
  std::vector<int> chain{index};
  seen[index] = true;
  int count = 0;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    for (int n : Neighbours(chain[i])) {
      if (cells_[n] == 0 && !liberty[n]) {
        liberty[n] = true;
        ++count;
      } else if (cells_[n] == colour && !seen[n]) {
        seen[n] = true;
        chain.push_back(n);
      }
    }
  }
  *liberties = count;
  return chain;
}

std::array<int, ReferenceBoard::kSize * ReferenceBoard::kSize>
ReferenceBoard::LibertiesOfEveryChain() const {
  std::array<int, kSize * kSize> result{};
  std::array<bool, kSize * kSize> done{};
  for (int index = 0; index < kSize * kSize; ++index) {
    if (cells_[index] == 0 || done[index]) continue;
    int liberties = 0;
    for (int stone : Chain(index, &liberties)) {
      result[stone] = liberties;
      done[stone] = true;
    }
  }
  return result;
}

int ReferenceBoard::Stones(int colour) const {
  int count = 0;
  for (int cell : cells_)
    count += cell == colour ? 1 : 0;
  return count;
}

ReferenceBoard::Outcome ReferenceBoard::Play(int column, int row, int colour) {
  const int index = Index(column, row);
  if (cells_[index] != 0) return Outcome::kOccupied;
  Record record{column, row, 0, -1, cells_};
  cells_[index] = colour;
  for (int n : Neighbours(index)) {
    if (cells_[n] != -colour) continue;
    int liberties = 0;
    const std::vector<int> chain = Chain(n, &liberties);
    if (liberties > 0) continue;
    for (int stone : chain)
      cells_[stone] = 0;
    record.captured += static_cast<int>(chain.size());
    record.soleCaptured = chain.size() == 1 ? chain.front() : -1;
  }
  if (record.captured != 1) record.soleCaptured = -1;

  int liberties = 0;
  Chain(index, &liberties);
  Outcome outcome = Outcome::kLegal;
  if (liberties == 0) {
    outcome = Outcome::kSuicide;
  } else if (record.captured == 1 && !history_.empty() && history_.back().captured == 1 &&
             record.soleCaptured == Index(history_.back().column, history_.back().row)) {
    outcome = Outcome::kKo;
  }
  if (outcome != Outcome::kLegal) {
    cells_ = record.before;
    return outcome;
  }
  history_.push_back(record);
  return Outcome::kLegal;
}

void ReferenceBoard::Pass() {
  history_.push_back(Record{-1, -1, 0, -1, cells_});
}

void ReferenceBoard::Undo() {
  if (history_.empty()) return;
  cells_ = history_.back().before;
  history_.pop_back();
}
