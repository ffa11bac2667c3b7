#pragma once

#include <QSize>
#include <QString>

namespace rollscan {

class UsMapPainter;
struct UsMapPicture;

// Writes the map as a picture file: SVG for a name ending in ".svg", BMP for ".bmp", PNG otherwise.
// The whole file is replaced or left as it was. Throws FileError when it cannot be written.
void WriteUsMapPicture(const UsMapPainter &painter, const UsMapPicture &picture, const QSize &size,
                       const QString &path);

} // namespace rollscan
