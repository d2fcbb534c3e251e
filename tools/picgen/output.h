#pragma once
// Writing pictures and the splash outline so that the same drawing always
// gives the same bytes.
#include <QByteArray>
#include <QImage>
#include <QString>

// PNG without text chunks or anything else that varies between runs.
bool writePng(const QImage &image, const QString &path, QString *error);

// The splash window's outline in its stored form: a 4-byte length, then the
// region data of the logo's non-black pixels in window coordinates (the logo
// sits at `offset` in the window).
QByteArray logoOutline(const QImage &logo, QPoint offset);

bool writeFile(const QByteArray &bytes, const QString &path, QString *error);
