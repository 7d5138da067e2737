// A GTP engine as an opponent. It keeps the engine on the window's position: at start-up the
// game so far, afterwards only what changed (the new moves, or "undo" for moves taken back), and
// when that cannot work (a new game, a refused undo) "clear_board" and the whole game again.
#pragma once

#include <optional>

#include "app/opponents/gtp_client.h"
#include "app/opponents/opponent.h"

class EngineOpponent final : public Opponent {
  Q_OBJECT

 public:
  // Starts the engine of commandLine and puts it on game's position; see GtpClient for timeoutMs.
  EngineOpponent(const QString& commandLine, int timeoutMs, const sgf::GameRecord& game,
                 QObject* parent = nullptr);

  // The engine's own name and version once it has told them, its command line before.
  QString Name() const override { return name_; }
  bool Engine() const override { return true; }
  // Sends "genmove" once the engine has the position; always false.
  bool Move(Zere19r19& board, const sgf::GameRecord& game, int32_t colour, bool replying) override;
  void Cancel() override;
  void Follow(const sgf::GameRecord& game) override;

 private:
  void StartUp();
  // Sends what the engine lacks of target_, unless a genmove is out: then once it is answered.
  void CatchUp();
  // "boardsize", "clear_board", komi, setup stones and every move of target_.
  void Restart();
  void AskMove();  // "genmove" for wanted_.
  // The answer text to the genmove for colour sent with request.
  void Answered(int request, int32_t colour, const QString& text);
  // Sends command and fails with what unless the engine accepts it.
  void Expect(const QString& command, const QString& what);
  void Fail(const QString& what);

  GtpClient* client_;
  QString name_;
  sgf::GameRecord target_;               // The game the window shows.
  std::optional<sgf::GameRecord> told_;  // What the engine has been sent; none after a refusal.
  int32_t wanted_ = Empty;               // The colour whose move is asked for, Empty for none.
  int request_ = 0;                      // Counts the asks and cancels; a stale answer is not sent.
  bool thinking_ = false;                // A genmove is queued or out.
  bool failed_ = false;
};
