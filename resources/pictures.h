#pragma once
// The program's pictures by name: icons, bitmaps and the splash outline.
// Names are the file names without extension and match without regard to
// case ("EMOTIO10" is "emotio10"); resources/README.md lists them. A name
// that does not exist gives a null image, pixmap or icon and empty data.
#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QStringView>

namespace pictures {

QImage image(QStringView name);
QPixmap pixmap(QStringView name);

// The picture `name` together with its size variants `name_16`, `name_32`,
// ... (for example icon("calvoro") holds all application icon sizes, and
// icon("tray21") the 32 and the 16 pixel image). Its QIcon::name() is the
// picture's name in lower case, by which notification area hosts find the
// tray pictures as theme icons (platform/sni_types.h).
QIcon icon(QStringView name);

// The program's window icon: icon("calvoro") up to 64 pixels.
QIcon windowIcon();

// The stored bytes of a picture or data file, as compiled in.
QByteArray data(QStringView name);

bool exists(QStringView name);

// Every picture name (lower case, sorted); data files are not pictures.
QStringList names();

// The splash window's outline in its stored form: a 4-byte little-endian
// length, then region data in window coordinates.
QByteArray logoOutline();

} // namespace pictures
