// Owning storage for the engine's linked records.
#pragma once

#include <cstddef>
#include <deque>

// Hands out records with stable addresses and releases them all at once. The engine recycles
// records through its own free lists, so a pool only grows while a game needs more records than it
// ever held, and Release returns a finished game's records so that repeated games stay flat.
template <typename Record>
class RecordPool {
 public:
  // A new value-initialised record, owned by the pool until Release.
  Record* Make() { return &records_.emplace_back(); }

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
    records_.clear();
    records_.shrink_to_fit();
  }

  // How many records are alive: used by the consistency check to account for every one of them.
  std::size_t size() const { return records_.size(); }

 private:
  std::deque<Record> records_;
};
