#include "app/error_box.h"

#include <QCoreApplication>
#include <QMessageBox>

QString ApplicationTitleText() {
  return QCoreApplication::translate("ErrorBox", ApplicationTitle);
}

QString WithFullStop(const QString& message) {
  if (message.isEmpty() || message.back() <= QLatin1Char('.')) return message;
  return message + QLatin1Char('.');
}

void ShowErrorBox(const QString& message) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitleText(), WithFullStop(message),
                  QMessageBox::Ok);
  box.exec();
}

void ReportError(const std::exception& error) {
  ShowErrorBox(QString::fromUtf8(error.what()));
}
