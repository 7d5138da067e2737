#include "app/komi_dialog.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "app/error_box.h"
#include "scoring/komi.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("KomiDialog", text);
}

// The spin box takes far more than a game can use, so that UsableKomi, which the GTP program and
// the game records share, is the one judge of a komi; its arrows step by half points.
constexpr double WidestEntry = 1e9;
constexpr int Decimals = 1;
constexpr double Step = 0.5;

}  // namespace

std::optional<double> AskForKomi(QWidget* parent, double komi) {
  bool chosen = false;
  const double value =
      QInputDialog::getDouble(parent, Tr("Komi"), Tr("Points given to White:"), komi, -WidestEntry,
                              WidestEntry, Decimals, &chosen, Qt::WindowFlags(), Step);
  if (!chosen) return std::nullopt;
  if (UsableKomi(value)) return value;
  QMessageBox::warning(parent, ApplicationTitleText(),
                       Tr("A komi of %1 points is more than a game can use.").arg(value));
  return std::nullopt;
}
