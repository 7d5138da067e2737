#include "display/artwork.h"

#include <QDir>
#include <QList>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "display/board_picture.h"

namespace {

constexpr int IconSize = 32;
constexpr int Subsamples = 4;  // Per side of a pixel, to measure how much of it a disc covers.

// A colour with components that may stray outside 0..255 until it is stored.
struct Shade {
  double red;
  double green;
  double blue;
};

Shade Mix(Shade from, Shade to, double amount) {
  return {from.red + (to.red - from.red) * amount, from.green + (to.green - from.green) * amount,
          from.blue + (to.blue - from.blue) * amount};
}

int Channel(double value) {
  return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

QRgb ToRgb(Shade shade) {
  return qRgb(Channel(shade.red), Channel(shade.green), Channel(shade.blue));
}

// ---- Wood ----

// The same number for the same arguments on every run: the pictures need texture, not chance.
uint32_t Hash(uint32_t a, uint32_t b) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double UnitHash(int32_t a, uint32_t b) {
  return Hash(static_cast<uint32_t>(a), b) / 4294967295.0;
}

// Noise in 0..1 that varies smoothly along u; seed picks an independent pattern.
double SmoothNoise(double u, uint32_t seed) {
  const double whole = std::floor(u);
  const double part = u - whole;
  const double ease = part * part * (3.0 - 2.0 * part);
  const auto i = static_cast<int32_t>(whole);
  return UnitHash(i, seed) + (UnitHash(i + 1, seed) - UnitHash(i, seed)) * ease;
}

constexpr Shade LightWood{229, 189, 122};
constexpr Shade DarkWood{186, 134, 74};
constexpr Shade AverageWood{218, 173, 107};  // What a stone's rim fades into.

// Grain runs down the board: bands of darker late wood that wander a little from left to right,
// fine straight fibres, and a faint speckle.
Shade WoodAt(int x, int y) {
  constexpr double TwoPi = 2.0 * std::numbers::pi;
  const double wander = 2.5 * std::sin(y / 113.0 + 0.4) + 2.0 * SmoothNoise(y / 70.0, 3);
  const double u = x + wander;
  const double band = 0.5 + 0.5 * std::sin(u * TwoPi / 17.0 + 5.0 * SmoothNoise(u / 23.0, 1));
  const double tone = SmoothNoise(u / 60.0, 5);
  const double fibre = SmoothNoise(u * 0.7, 2) - 0.5;
  const double speck = UnitHash(x * 7919 + y, 4) - 0.5;
  const Shade wood = Mix(LightWood, DarkWood, 0.45 * std::pow(band, 6.0) + 0.2 * tone);
  return {wood.red + 14.0 * fibre + 5.0 * speck, wood.green + 11.0 * fibre + 4.0 * speck,
          wood.blue + 7.0 * fibre + 3.0 * speck};
}

// ---- Stones ----

// Share of the pixel (x, y) that lies inside the disc of radius around centre.
double Coverage(int x, int y, double centreX, double centreY, double radius) {
  int inside = 0;
  for (int sy = 0; sy < Subsamples; ++sy) {
    for (int sx = 0; sx < Subsamples; ++sx) {
      const double dx = x + (sx + 0.5) / Subsamples - centreX;
      const double dy = y + (sy + 0.5) / Subsamples - centreY;
      if (dx * dx + dy * dy <= radius * radius) ++inside;
    }
  }
  return static_cast<double>(inside) / (Subsamples * Subsamples);
}

// The lit surface of a stone, seen from above as a dome, at (dx, dy) from its centre in units of
// its radius; the light comes from the upper left.
Shade StoneSurface(int32_t colour, double dx, double dy) {
  const double flat = std::min(dx * dx + dy * dy, 0.98);
  const double nx = dx, ny = dy, nz = std::sqrt(1.0 - flat);
  const double lx = -0.45, ly = -0.55, lz = 0.70;
  const double lightLength = std::sqrt(lx * lx + ly * ly + lz * lz);
  const double diffuse = std::max(0.0, (nx * lx + ny * ly + nz * lz) / lightLength);
  const double hx = lx / lightLength, hy = ly / lightLength, hz = lz / lightLength + 1.0;
  const double halfLength = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double gloss = std::max(0.0, (nx * hx + ny * hy + nz * hz) / halfLength);
  if (colour == Black) {
    const double v = 16.0 + 52.0 * diffuse + 150.0 * std::pow(gloss, 30.0);
    return {v, v, v + 4.0};
  }
  const double v = 172.0 + 70.0 * diffuse + 30.0 * std::pow(gloss, 12.0);
  return {v - 3.0, v - 1.0, v + 2.0};
}

constexpr Shade MarkRed{214, 38, 38};

// A disc of radius around the pixel centre (centre, centre), shaded, its rim fading into the
// wood; with a last-move mark when marked. Pixels it does not touch are left alone.
void PaintStone(QImage& image, int left, int top, int size, int32_t colour, bool marked) {
  const double centre = size / 2.0;
  const double radius = centre - 0.1;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double covered = Coverage(x, y, centre, centre, radius);
      if (covered == 0.0) continue;
      const double dx = (x + 0.5 - centre) / radius;
      const double dy = (y + 0.5 - centre) / radius;
      Shade shade = StoneSurface(colour, dx, dy);
      if (marked) shade = Mix(shade, MarkRed, Coverage(x, y, centre, centre, 2.6));
      const QPoint pixel(left + x, top + y);
      const Shade under = covered < 1.0 ? AverageWood : shade;
      if (image.valid(pixel)) image.setPixel(pixel, ToRgb(Mix(under, shade, covered)));
    }
  }
}

// ---- Icon ----

constexpr QRgb IconLineColour = qRgb(52, 36, 20);

// The icon's 16 colours: wood, line, and the shades the two stones and their rims need.
QList<QRgb> IconPalette() {
  return {qRgb(229, 189, 122), qRgb(214, 166, 104), qRgb(196, 146, 86),  IconLineColour,
          qRgb(12, 12, 16),    qRgb(34, 34, 38),    qRgb(64, 64, 68),    qRgb(120, 120, 124),
          qRgb(200, 200, 204), qRgb(160, 160, 164), qRgb(226, 227, 230), qRgb(246, 248, 250),
          qRgb(255, 255, 255), qRgb(120, 92, 62),   qRgb(224, 206, 176), qRgb(90, 90, 94)};
}

// A board corner with lines 11 pixels apart from (3, 3), in full colour.
QImage IconArtwork() {
  QImage icon(IconSize, IconSize, QImage::Format_RGB32);
  for (int y = 0; y < IconSize; ++y) {
    for (int x = 0; x < IconSize; ++x) {
      const bool onLine = (x >= 3 && (y - 3) % 11 == 0) || (y >= 3 && (x - 3) % 11 == 0);
      icon.setPixel(x, y, onLine ? IconLineColour : ToRgb(WoodAt(3 * x + 40, 3 * y)));
    }
  }
  PaintStone(icon, 8, 8, 13, Black, false);
  PaintStone(icon, 19, 19, 13, White, false);
  return icon;
}

}  // namespace

QImage BoardBackgroundImage() {
  QImage board(BoardPictureWidth, BoardPictureHeight, QImage::Format_RGB32);
  for (int y = 0; y < BoardPictureHeight; ++y) {
    for (int x = 0; x < BoardPictureWidth; ++x)
      board.setPixel(x, y, ToRgb(WoodAt(x, y)));
  }
  return board;
}

QImage StoneImage(int32_t colour, bool marked) {
  QImage stone(StoneSquareSize, StoneSquareSize, QImage::Format_RGB32);
  stone.fill(StoneKeyColour);
  PaintStone(stone, 0, 0, StoneSquareSize, colour, marked);
  return stone;
}

QImage ProgramIconImage() {
  return IconArtwork().convertToFormat(QImage::Format_Indexed8, IconPalette(), Qt::ThresholdDither);
}

bool WritePictureFiles(const QString& folder) {
  const QDir dir(folder);
  const auto save = [&dir](const QImage& image, const char* name, const char* format) {
    return image.save(dir.filePath(QString::fromUtf8(name)), format);
  };
  return save(BoardBackgroundImage(), BoardPictureFile, "BMP") &&
         save(StoneImage(White, false), WhiteStoneFile, "BMP") &&
         save(StoneImage(White, true), WhiteStoneMarkedFile, "BMP") &&
         save(StoneImage(Black, false), BlackStoneFile, "BMP") &&
         save(StoneImage(Black, true), BlackStoneMarkedFile, "BMP") &&
         save(ProgramIconImage(), ProgramIconFile, "PNG");
}
