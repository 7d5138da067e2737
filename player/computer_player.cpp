// Placeholder until the computer player lands: it always passes.
#include "player/computer_player.h"

void ComputerMove(Zere19r19& board, int32_t colour) { board.Pass(colour); }
BoardPoint* NewListNode(Zere19r19& board, BoardPoint* next, StoneNode* stone) {
  BoardPoint* node = board.AllocateListNode();
  node->listNext = next;
  node->stone = stone;
  return node;
}
int32_t RandomBelow(int32_t) { return 0; }
void SeedRandom(uint32_t) {}
