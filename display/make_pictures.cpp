// Writes the program's picture files into the folder given as the only argument; run by the build.
#include <QString>
#include <cstdio>

#include "display/artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_pictures FOLDER\n", stderr);
    return 2;
  }
  if (!WritePictureFiles(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "make_pictures: cannot write the pictures into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
