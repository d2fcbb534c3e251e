#pragma once
// One sheet with every picture at 1x and enlarged, labelled, for review.
#include "catalog.h"

// Pictures up to 64 pixels are shown at 1x and 4x, larger ones at 1x and 2x.
// `filter` keeps only pictures whose name starts with it (empty: all). The
// level icons also appear scaled down to 16 x 16, as a small tray shows them,
// on a light and on a dark strip.
QImage contactSheet(const QList<Picture> &pictures, const QString &filter = {});
