#include "app_test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <array>
#include <utility>

QString PictureFolder() {
  return QCoreApplication::applicationDirPath();
}

QPoint IntersectionPixel(int32_t column, int32_t row) {
  return {PixelX(column), PixelY(row)};
}

Shown ShownAt(const QImage& picture, const BoardCanvas& canvas, int32_t column, int32_t row) {
  const QPoint centre = IntersectionPixel(column, row);
  const QPoint side = centre + QPoint(4, 0);
  const QPoint stoneCentre(StoneReach, StoneReach);
  const std::array<std::pair<const QImage*, Shown>, 4> stones{{
      {&canvas.BlackStone, Shown::BlackStone},
      {&canvas.BlackStoneMarked, Shown::BlackStoneMarked},
      {&canvas.WhiteStone, Shown::WhiteStone},
      {&canvas.WhiteStoneMarked, Shown::WhiteStoneMarked},
  }};
  for (const auto& [stone, shown] : stones) {
    if (picture.pixel(centre) == stone->pixel(stoneCentre) &&
        picture.pixel(side) == stone->pixel(stoneCentre + QPoint(4, 0)))
      return shown;
  }
  if (picture.pixel(centre) == canvas.BoardPicture.pixel(centre) &&
      picture.pixel(side) == canvas.BoardPicture.pixel(side))
    return Shown::Board;
  return Shown::Unknown;
}

char* toString(Shown shown) {
  static constexpr std::array<const char*, 6> Names{
      "Board", "BlackStone", "BlackStoneMarked", "WhiteStone", "WhiteStoneMarked", "Unknown"};
  return qstrdup(Names[static_cast<size_t>(shown)]);
}

MessageBoxCatcher::MessageBoxCatcher() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBoxes(); });
  timer_.start();
}

void MessageBoxCatcher::AnswerOpenBoxes() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box == nullptr || !box->isVisible()) continue;
    ++boxes;
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) QTest::mouseClick(ok, Qt::LeftButton);
    if (box->isVisible()) {
      ++deafBoxes;
      box->hide();
    }
  }
}
