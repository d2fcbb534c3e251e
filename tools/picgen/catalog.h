#pragma once
// Every picture of the program, by name, as it is written to resources/.
#include <QImage>
#include <QList>
#include <QString>

struct Picture {
  QString name; // lower case; the file is <name>.png
  QImage image; // indexed for 16-colour pictures, ARGB otherwise
  bool sixteenColours = false;
};

// Draws all pictures, in a fixed order.
QList<Picture> drawAllPictures();
