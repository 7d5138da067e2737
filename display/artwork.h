// The program's own pictures, painted pixel by pixel so that every build makes the same bytes:
// the wooden board, the four stones and the program icon.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

#include "engine/pixel_geometry.h"

// Name of the program icon's file, written beside the picture files.
inline constexpr char ProgramIconFile[] = "zadada.png";

// The colour of the stones' surroundings, found in their bottom-left pixel and nowhere inside a
// stone, so the loader can make it transparent.
inline constexpr QRgb StoneKeyColour = qRgb(255, 0, 255);

// A light wooden board with vertical grain, BoardPictureWidth x BoardPictureHeight, without lines.
QImage BoardBackgroundImage();

// A shaded stone of colour (Black or White) filling the StoneSquareSize square that erasing
// restores, with a red last-move mark when marked, on StoneKeyColour. Edge pixels blend with the
// wood, never with the key colour.
QImage StoneImage(int32_t colour, bool marked);

// The 32 x 32 program icon in 16 colours: a black and a white stone on a board corner.
QImage ProgramIconImage();

// Writes the five picture files and the icon into folder; false when one cannot be written.
bool WritePictureFiles(const QString& folder);
