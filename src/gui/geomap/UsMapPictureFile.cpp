#include "gui/geomap/UsMapPictureFile.h"

#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "gui/geomap/UsMapPainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace rollscan {

void WriteUsMapPicture(const UsMapPainter &painter, const UsMapPicture &picture, const QSize &size, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF target(QPointF(0, 0), QSizeF(size));
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("US Map Display"));
        QPainter p(&svg);
        painter.paint(p, target, picture);
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            painter.paint(p, target, picture);
        }
        const bool bmp = path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
        if (!image.save(&buffer, bmp ? "BMP" : "PNG"))
            throw FileError(FileErrorNumber::AccessError, path, QStringLiteral("The picture could not be encoded"));
    }
    buffer.close();
    WriteWholeFile(path, bytes);
}

} // namespace rollscan
