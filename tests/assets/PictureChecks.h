#pragma once

#include <QImage>
#include <QString>

#include <set>

#include "Pictures.h"

// What the picture tests share: the pictures as the game loads them, and the
// sprites' pixels read back as the letters of the worm's five colours.
namespace PictureChecks {

// One set of pictures for all tests, loaded the way the game loads them.
const Pictures& pictures();

// A sprite pixel as a letter: '.' background, 'o' outline, '#' body,
// 'w' eye white, 'r' pupil, 'k' pure black, '?' anything else.
char letter(QRgb pixel);

// A row (y fixed) or column (x fixed) of a picture as letters.
QString rowLetters(const QImage& image, int y);
QString columnLetters(const QImage& image, int x);

// The places where the worm's body colour lies next to the background (left,
// right, above or below), as "x,y" pairs; empty when the outline closes it in.
QString bodyMeetingBackground(const QImage& image);

// Every distinct colour of a picture, alpha included.
std::set<QRgb> colours(const QImage& image);

// Whether every pixel is fully opaque.
bool isOpaque(const QImage& image);
}
