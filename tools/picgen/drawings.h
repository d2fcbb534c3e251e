#pragma once
// The drawing functions, one file per family. Each returns the picture as
// drawn (ARGB); the catalog turns 16-colour ones into indexed images.
#include <QByteArray>
#include <QImage>
#include <QString>

// level_icons.cpp: the three cycles share one design, a vessel in the
// cycle's own shape that fills from the bottom.
enum class Cycle { Emotional, Intellectual, Physical };
QString cycleName(Cycle cycle); // "emotio", "intel", "physiq"
QImage levelIcon(Cycle cycle, int step, int size);
QImage initialTrayIcon(Cycle cycle, int size);

// sign_icons.cpp
QImage happyIcon();
QImage attentionIcon();
QImage applicationIcon(int size);
// The same design as SVG, for the launcher at any size.
QByteArray applicationIconSvg();

// logo.cpp: the splash picture; its silhouette is exactly its non-black pixels.
QImage logoPicture();

// textures.cpp
QImage marbledFrame(int width, int height, unsigned seed);
QImage aboutFrameHorizontal();
QImage aboutFrameVertical();
QImage calendarBackground();

// backgrounds.cpp
QImage powerBackground();
QImage setupBackground();
QImage projectionBackground();
QImage aboutBackground();

// creature.cpp
QImage creature(bool wingsRaised);

// buttons.cpp
QImage buttonGlyph(const QString &name); // "calendar", "showme", "showme_down", ...
QImage checkMark();
QImage radioMark();
