#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace rollscan {

// Single-byte text of the data files is Windows-1252. One table serves both directions.
QString DecodeCp1252(QByteArrayView bytes);

// Encodes `text` as Windows-1252; characters the code page lacks become '?'.
QByteArray EncodeCp1252(const QString &text);

// Encodes `text` into exactly `width` bytes: cut when longer, padded with spaces when shorter.
QByteArray EncodeFixedText(const QString &text, int width);

} // namespace rollscan
