#include "app/game_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string>
#include <string_view>

#include "sgf/sgf_reader.h"

GameFile ReadGameFile(const QString& path) {
  // Opening a FIFO would wait for a writer, and a device may never end: only a plain file can be
  // a record. One that does not exist falls through to the open's own reason.
  if (const QFileInfo info(path); info.exists() && !info.isFile())
    return {QCoreApplication::translate("GameFile", "not a regular file")};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {file.errorString()};
  // One byte more than allowed tells a file that is too large, even one that reports no size.
  const QByteArray text = file.read(sgf::LargestRecordFile + 1);
  if (text.size() > sgf::LargestRecordFile)
    return {QCoreApplication::translate("GameFile", "file too large")};
  if (file.error() != QFileDevice::NoError) return {file.errorString()};
  GameFile read;
  if (const auto failure = sgf::ReadTree(
          std::string_view(text.constData(), static_cast<size_t>(text.size())), read.tree))
    read.failure = QString::fromStdString(failure->Message());
  return read;
}

QString WriteGameFile(const QString& path, const std::string& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    return file.errorString();  // The unfinished temporary file is dropped with file.
  if (!file.commit()) return file.errorString();
  return QString();
}
