// Owning storage for the engine's linked records.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

// Hands out records with stable addresses and releases them all at once. The engine recycles
// records through its own free lists, so a pool only grows while a game needs more records than it
// ever held, and Release returns a finished game's records so that repeated games stay flat.
// Records come in chunks, so that a game's growth costs a few allocations, not one per record.
template <typename Record>
class RecordPool {
 public:
  // A new value-initialised record, owned by the pool until Release.
  Record* Make() {
    if (chunks_.empty() || used_ == ChunkRecords) AddChunk();
    Record* record = &chunks_.back()[used_++];
    *record = Record{};
    return record;
  }

  // The front record of freeList, unlinked through its link member, or a new record when the list
  // is empty. Every kind of record the board recycles is taken this way.
  template <auto Link>
  Record* Take(Record*& freeList) {
    Record* record = freeList;
    if (record == nullptr) return Make();
    freeList = record->*Link;
    return record;
  }

  // Destroys every record the pool handed out; their addresses become invalid.
  void Release() {
    chunks_.clear();
    chunks_.shrink_to_fit();
    used_ = 0;
  }

  // How many records are alive: used by the consistency check to account for every one of them.
  std::size_t size() const {
    return chunks_.empty() ? 0 : (chunks_.size() - 1) * ChunkRecords + used_;
  }

 private:
  static constexpr std::size_t ChunkRecords = 64;

  // Kept out of line: it runs once per chunk, and Take's path through Make stays short.
  [[gnu::noinline]] void AddChunk() {
    chunks_.push_back(std::make_unique_for_overwrite<Record[]>(ChunkRecords));
    used_ = 0;
  }

  std::vector<std::unique_ptr<Record[]>> chunks_;
  std::size_t used_ = 0;  // Records handed out from the newest chunk.
};
