#include "app/opponents/engine_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr int MostRemembered = 10;

QSettings Settings() {
  return QSettings(QStringLiteral("zadada"), QStringLiteral("zadada"));
}

// Debian puts GNU Go in /usr/games, which is not on every PATH.
QString GnuGoFound() {
  if (!QStandardPaths::findExecutable(QStringLiteral("gnugo")).isEmpty())
    return QString::fromLatin1(GnuGoCommandLine);
  if (QFileInfo(QStringLiteral("/usr/games/gnugo")).isExecutable())
    return QStringLiteral("/usr/games/") + QString::fromLatin1(GnuGoCommandLine);
  return QString();
}

}  // namespace

QStringList OfferedEngines() {
  QStringList offered = Settings().value(QStringLiteral("engines/commandLines")).toStringList();
  if (const QString gnuGo = GnuGoFound(); !gnuGo.isEmpty()) offered.prepend(gnuGo);
  offered.removeDuplicates();
  return offered;
}

void RememberEngine(const QString& commandLine) {
  QSettings settings = Settings();
  QStringList used = settings.value(QStringLiteral("engines/commandLines")).toStringList();
  used.removeAll(commandLine);
  used.prepend(commandLine);
  settings.setValue(QStringLiteral("engines/commandLines"), used.mid(0, MostRemembered));
}

int EngineTimeoutMs() {
  const int seconds =
      Settings()
          .value(QStringLiteral("engines/timeoutSeconds"), DefaultEngineTimeoutSeconds)
          .toInt();
  return 1000 * (seconds > 0 ? seconds : DefaultEngineTimeoutSeconds);
}
