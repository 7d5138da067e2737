#include "app/client_area.h"

#include <QPainter>

namespace {
// The square the turn stone may cover in the panel, cleared whenever the stone changes.
const QRect TurnStoneSquare(TurnStonePosition - QPoint(PanelLeft, 0),
                            QSize(StoneSquareSize, StoneSquareSize));
// The panel reaches down to the board's bottom edge, so that it never covers the notes.
const QSize PanelSize(SmallestClientSize.width() - PanelLeft, BoardControlGeometry.bottom() + 1);
}  // namespace

void PanelArea::ShowTurnStone(const QImage& stone) {
  stone_ = stone;
  update(TurnStoneSquare);
}

void PanelArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(TurnStoneSquare.topLeft(), stone_);
}

ClientArea::ClientArea(QWidget* parent) : QWidget(parent), panel_(new PanelArea(this)) {
  panel_->setObjectName(QStringLiteral("Panel"));
  panel_->resize(PanelSize);
  setMinimumSize(SmallestClientSize);
}

void ClientArea::Arrange(QWidget* board, QWidget* notes) {
  board_ = board;
  notes_ = notes;
  Place();
}

void ClientArea::ShowNotes(bool shown) {
  notes_->setVisible(shown);
  setMinimumSize(SmallestClientSize + QSize(0, shown ? NotesRoom : 0));
  Place();
}

void ClientArea::resizeEvent(QResizeEvent*) {
  Place();
}

void ClientArea::Place() {
  const QSize gained = (size() - minimumSize()).expandedTo(QSize(0, 0));
  panel_->move(PanelLeft + gained.width(), 0);
  if (board_ != nullptr)
    board_->setGeometry(BoardControlGeometry.adjusted(0, 0, gained.width(), gained.height()));
  if (notes_ != nullptr)
    notes_->setGeometry(
        NotesGeometry.translated(0, gained.height()).adjusted(0, 0, gained.width(), 0));
}
