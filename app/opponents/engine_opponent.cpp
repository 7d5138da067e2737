#include "app/opponents/engine_opponent.h"

#include <algorithm>

#include "gtp/vertex.h"

namespace {

QString Vertex(int32_t column, int32_t row, int32_t boardSize) {
  return QString::fromStdString(gtp::VertexText(column, row, boardSize));
}

QString ColourWord(int32_t colour) {
  return QString::fromLatin1(gtp::ColourName(colour));
}

QString Play(const sgf::Move& move, int32_t boardSize) {
  return QStringLiteral("play %1 %2")
      .arg(ColourWord(move.colour), Vertex(move.column, move.row, boardSize));
}

// True when the setup stones are exactly the handicap, which set_free_handicap can place.
bool HandicapSetup(const sgf::GameRecord& game) {
  return game.handicap >= 2 && static_cast<int32_t>(game.setup.size()) == game.handicap &&
         std::all_of(game.setup.begin(), game.setup.end(),
                     [](const sgf::Move& stone) { return stone.colour == Black; });
}

bool SameStart(const sgf::GameRecord& a, const sgf::GameRecord& b) {
  return a.boardSize == b.boardSize && a.setup == b.setup && a.handicap == b.handicap &&
         a.komi == b.komi;
}

}  // namespace

EngineOpponent::EngineOpponent(const QString& commandLine, int timeoutMs,
                               const sgf::GameRecord& game, QObject* parent)
    : client_(new GtpClient(commandLine, timeoutMs, this)), name_(commandLine), target_(game) {
  setParent(parent);
  connect(client_, &GtpClient::failed, this, &EngineOpponent::Fail);
  StartUp();
}

void EngineOpponent::StartUp() {
  client_->Send(QStringLiteral("protocol_version"), [this](bool success, const QString& text) {
    if (!success || text != QLatin1String("2")) Fail(tr("does not speak GTP version 2"));
  });
  client_->Send(QStringLiteral("name"), [this](bool success, const QString& text) {
    if (success && !text.isEmpty()) name_ = text;
  });
  client_->Send(QStringLiteral("version"), [this](bool success, const QString& text) {
    if (success && !text.isEmpty()) name_ += QLatin1Char(' ') + text;
    emit renamed();
  });
  Restart();
}

bool EngineOpponent::Move(Zere19r19& /*board*/, const sgf::GameRecord& game, int32_t colour,
                          bool /*replying*/) {
  ++request_;
  wanted_ = colour;
  target_ = game;
  if (!thinking_) {
    CatchUp();
    AskMove();
  }
  return false;
}

void EngineOpponent::Cancel() {
  ++request_;
  wanted_ = Empty;
}

void EngineOpponent::Follow(const sgf::GameRecord& game) {
  target_ = game;
  if (!thinking_) CatchUp();
}

void EngineOpponent::CatchUp() {
  if (failed_) return;
  if (!told_ || !SameStart(*told_, target_)) {
    Restart();
    return;
  }
  const std::vector<sgf::Move>& had = told_->moves;
  const std::vector<sgf::Move>& wanted = target_.moves;
  const auto kept = std::mismatch(had.begin(), had.end(), wanted.begin(), wanted.end()).first;
  for (auto undone = kept; undone != had.end(); ++undone) {
    client_->Send(QStringLiteral("undo"), [this](bool success, const QString&) {
      if (success) return;
      // The commands queued behind it assumed the undo; the whole game replaces them.
      const bool asked = thinking_;
      client_->DropQueued();
      told_.reset();
      thinking_ = false;
      Restart();
      if (asked) AskMove();
    });
  }
  const int32_t size = target_.boardSize;
  for (auto added = wanted.begin() + (kept - had.begin()); added != wanted.end(); ++added)
    Expect(Play(*added, size),
           tr("refused the move %1").arg(Vertex(added->column, added->row, size)));
  told_ = target_;
}

void EngineOpponent::Restart() {
  const int32_t size = target_.boardSize;
  Expect(QStringLiteral("boardsize %1").arg(size), tr("refused the board size %1").arg(size));
  client_->Send(QStringLiteral("clear_board"));
  client_->Send(QStringLiteral("komi %1").arg(target_.komi.value_or(0.0)));
  if (HandicapSetup(target_)) {
    QStringList stones;
    for (const sgf::Move& stone : target_.setup)
      stones << Vertex(stone.column, stone.row, size);
    Expect(QStringLiteral("set_free_handicap ") + stones.join(QLatin1Char(' ')),
           tr("refused the handicap stones"));
  } else {
    for (const sgf::Move& stone : target_.setup)
      Expect(Play(stone, size),
             tr("refused the setup stone %1").arg(Vertex(stone.column, stone.row, size)));
  }
  for (const sgf::Move& move : target_.moves)
    Expect(Play(move, size), tr("refused the move %1").arg(Vertex(move.column, move.row, size)));
  told_ = target_;
}

void EngineOpponent::AskMove() {
  if (failed_ || wanted_ == Empty) return;
  thinking_ = true;
  client_->Send(QStringLiteral("genmove ") + ColourWord(wanted_),
                [this, request = request_, colour = wanted_](bool success, const QString& text) {
                  if (success)
                    Answered(request, colour, text);
                  else
                    Fail(tr("refused to move: %1").arg(text));
                });
}

void EngineOpponent::Answered(int request, int32_t colour, const QString& text) {
  thinking_ = false;
  OpponentMove move;
  gtp::Vertex vertex;
  if (text.compare(QLatin1String("resign"), Qt::CaseInsensitive) == 0) {
    move.kind = OpponentMove::Resign;
  } else if (gtp::ParseVertex(text.toStdString(), vertex, target_.boardSize)) {
    move = {vertex.IsPass() ? OpponentMove::Pass : OpponentMove::Stone, vertex.column, vertex.row};
    if (told_) told_->moves.push_back({colour, vertex.column, vertex.row});
  } else {
    Fail(tr("answered \"%1\" instead of a move").arg(text));
    return;
  }
  if (request == request_) {
    wanted_ = Empty;
    emit moved(colour, move);
    return;
  }
  // The window no longer wants this move: the engine goes back to the window's position.
  CatchUp();
  AskMove();
}

void EngineOpponent::Expect(const QString& command, const QString& what) {
  client_->Send(command, [this, what](bool success, const QString&) {
    if (!success) Fail(what);
  });
}

void EngineOpponent::Fail(const QString& what) {
  if (failed_) return;
  failed_ = true;
  client_->DropQueued();
  emit failed(what);
}
