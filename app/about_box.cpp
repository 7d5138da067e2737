#include "app/about_box.h"

#include <QEvent>
#include <QPixmap>

#include "app/window_look.h"
#include "display/artwork.h"

namespace {
const QSize ClientSize(235, 189);
}  // namespace

TAboutBox::TAboutBox() {
  setObjectName(QStringLiteral("TAboutBox"));
  setWindowTitle(tr("About"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  ApplyWindowLook(*this);
  setFixedSize(ClientSize);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 217, 137);
  // A lowered outer bevel around a raised inner one: the frame looks cut into the dialog.
  Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Panel1->setLineWidth(1);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setPixmap(QPixmap::fromImage(ProgramIconImage()));
  ProgramIcon->setGeometry(QRect(QPoint(16, 8), ProgramIcon->pixmap().size()));
  StaticText1 = MakeFramedText(Panel1, "StaticText1", tr(" Go Game program"), QRect(72, 8, 97, 17));
  Version = MakeLabel(Panel1, "Version", tr("Version: %1").arg(QStringLiteral(ZADADA_VERSION)),
                      QRect(80, 32, 120, 13));
  Label1 = MakeLabel(Panel1, "Label1", tr("By the Zada Da team"), QRect(48, 64, 118, 13));
  // No address to write to: the line says what the program is made with instead.
  Label2 = MakeLabel(Panel1, "Label2", tr("Made with Qt %1").arg(QString::fromLatin1(qVersion())),
                     QRect(48, 80, 118, 13));
  Label3 = MakeLabel(Panel1, "Label3", tr("Have fun playing Go"), QRect(48, 112, 114, 13));

  OKButton = MakeButton(this, "OKButton", tr("OK"), QRect(79, 156, 75, 25));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
  CentreOnScreen(*this);
}

void TAboutBox::OKButtonClick() {
  hide();
}

void TAboutBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) OKButtonClick();
}
