// What the windowed program's benchmarks share: an application on the offscreen platform (unless
// a display is asked for), the program's windows as the program makes them, and the process's
// resident memory.
#pragma once

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

#include "app/program.h"

// The program's three windows with the main window shown and painted once, as after start-up.
inline std::unique_ptr<ProgramWindows> OpenProgramWindows() {
  PrepareApplication();
  auto windows = std::make_unique<ProgramWindows>(QCoreApplication::applicationDirPath());
  windows->Form1.show();
  QCoreApplication::processEvents();
  return windows;
}

// Resident memory of this process in MiB, from /proc.
inline double ResidentMiB() {
  long size = 0, pages = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &size, &pages) != 2) pages = 0;
    std::fclose(statm);
  }
  return static_cast<double>(pages) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

// main() of a benchmark program that needs the application object.
inline int RunWithApplication(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
