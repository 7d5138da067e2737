// What the player chose about engines, kept between runs: the engine command lines used, newest
// first, and how long an engine may think before it counts as failed.
#pragma once

#include <QString>
#include <QStringList>

// The command line offered for GNU Go when it is on PATH; "/usr/games/" goes before it when
// only that folder has it.
inline constexpr char GnuGoCommandLine[] = "gnugo --mode gtp";

// The time limit for one answer when the player set none, in seconds.
inline constexpr int DefaultEngineTimeoutSeconds = 60;

// The engine command lines to offer: GNU Go's first when it is installed, then the ones the
// player used, newest first, without repeats.
QStringList OfferedEngines();

// Notes commandLine as the newest engine the player used.
void RememberEngine(const QString& commandLine);

// The time limit for one answer of an engine, in milliseconds (the setting
// "engines/timeoutSeconds", DefaultEngineTimeoutSeconds when not set).
int EngineTimeoutMs();
