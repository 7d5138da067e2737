// TAboutBox, the About dialog: the program's icon, name and version and a few lines about it. It
// puts itself away as soon as another window becomes active.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class TAboutBox final : public QDialog {
  Q_OBJECT

 public:
  // Builds the dialog hidden.
  TAboutBox();

  void OKButtonClick();  // "OK": hides the dialog.

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QFrame* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* Version = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* OKButton = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
};
