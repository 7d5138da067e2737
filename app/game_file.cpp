#include "app/game_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <string>
#include <string_view>

#include "sgf/sgf_reader.h"
#include "sgf/sgf_writer.h"

GameFile ReadGameFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, file.errorString()};
  // One byte more than allowed tells a file that is too large, even one that reports no size.
  const QByteArray text = file.read(LargestGameFile + 1);
  if (text.size() > LargestGameFile)
    return {{}, QCoreApplication::translate("GameFile", "the file is larger than 1 MiB")};
  if (file.error() != QFileDevice::NoError) return {{}, file.errorString()};
  sgf::ParsedRecord parsed =
      sgf::ParseSgf(std::string_view(text.constData(), static_cast<size_t>(text.size())));
  if (parsed.failure) return {{}, QString::fromStdString(parsed.failure->Message())};
  return {std::move(parsed.record), QString()};
}

QString WriteGameFile(const QString& path, const sgf::GameRecord& record) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  const std::string text = sgf::WriteSgf(record);
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    return file.errorString();  // The unfinished temporary file is dropped with file.
  if (!file.commit()) return file.errorString();
  return QString();
}
