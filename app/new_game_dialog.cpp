#include "app/new_game_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <algorithm>
#include <ranges>

#include "app/opponents/engine_settings.h"
#include "engine/star_points.h"
#include "gtp/vertex.h"
#include "scoring/komi.h"

namespace {
// The board sizes offered, the full-size board last.
constexpr int32_t OfferedSizes[] = {9, 13, BoardLines};
// So the handicaps offered need not change with the size.
static_assert(std::ranges::all_of(OfferedSizes, [](int32_t size) {
  return MostFixedHandicap(size) == gtp::MostStandardHandicap;
}));
}  // namespace

NewGameDialog::NewGameDialog(const GameChoice& choice, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("New Game"));
  boardSize_ = new QComboBox(this);
  boardSize_->setObjectName(QStringLiteral("boardSize"));
  for (const int32_t size : OfferedSizes)
    boardSize_->addItem(tr("%1 x %1").arg(size), size);
  const int32_t chosenSize = boardSize_->findData(choice.boardSize);
  boardSize_->setCurrentIndex(chosenSize >= 0 ? chosenSize : boardSize_->count() - 1);
  const QStringList engines = OfferedEngines();
  blackPlayer_ = PlayerBox("blackPlayer", choice.black, engines);
  whitePlayer_ = PlayerBox("whitePlayer", choice.white, engines);
  handicap_ = new QComboBox(this);
  handicap_->setObjectName(QStringLiteral("handicap"));
  handicap_->addItem(tr("None"), 0);
  for (int32_t stones = 2; stones <= gtp::MostStandardHandicap; ++stones)
    handicap_->addItem(tr("%1 stones").arg(stones), stones);
  handicap_->setCurrentIndex(std::max(0, handicap_->findData(choice.handicap)));
  komi_ = new QDoubleSpinBox(this);
  komi_->setObjectName(QStringLiteral("komi"));
  komi_->setRange(-1000.0, 1000.0);  // UsableKomi's bounds.
  komi_->setDecimals(1);
  komi_->setSingleStep(0.5);
  komi_->setValue(choice.komi);
  connect(handicap_, &QComboBox::currentIndexChanged, this, &NewGameDialog::HandicapChanged);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(tr("Board:"), boardSize_);
  form->addRow(tr("Black:"), blackPlayer_);
  form->addRow(tr("White:"), whitePlayer_);
  form->addRow(tr("Handicap:"), handicap_);
  form->addRow(tr("Komi:"), komi_);
  form->addRow(buttons);
}

QComboBox* NewGameDialog::PlayerBox(const char* name, const Seat& seat,
                                    const QStringList& engines) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMinimumContentsLength(24);
  box->addItem(tr("Person"));
  box->addItem(tr("Computer"));
  box->addItems(engines);
  if (seat.kind == Seat::Engine)
    box->setCurrentText(seat.commandLine);
  else
    box->setCurrentIndex(seat.kind == Seat::Computer ? 1 : 0);
  return box;
}

Seat NewGameDialog::SeatIn(const QComboBox& box) const {
  const QString text = box.currentText().trimmed();
  if (text.isEmpty() || text == box.itemText(0)) return {};
  if (text == box.itemText(1)) return {Seat::Computer, {}};
  return {Seat::Engine, text};
}

GameChoice NewGameDialog::Choice() const {
  return {SeatIn(*blackPlayer_), SeatIn(*whitePlayer_), handicap_->currentData().toInt(),
          komi_->value(), boardSize_->currentData().toInt()};
}

void NewGameDialog::HandicapChanged() {
  komi_->setValue(DefaultKomi(handicap_->currentData().toInt()));
}

std::optional<GameChoice> AskForNewGame(QWidget* parent, const GameChoice& choice) {
  NewGameDialog dialog(choice, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const GameChoice chosen = dialog.Choice();
  for (const Seat& seat : {chosen.black, chosen.white}) {
    if (seat.kind == Seat::Engine) RememberEngine(seat.commandLine);
  }
  return chosen;
}
