#pragma once
// A small decoder of PCX images (run-length encoded; 1, 2, 4 and 8 bits a
// pixel in one plane, 1 bit in four planes, 8 bits in three planes), which
// the engine cannot show: the viewer serves them converted to PNG.

#include <QByteArray>
#include <QImage>

// A null image when the bytes are no PCX image this decoder reads.
QImage decodePcx(const QByteArray& bytes);
// Any picture the program shows: PCX through the decoder above, the rest
// through Qt's image readers (turned as the file says). Null when unreadable.
QImage decodeImage(const QByteArray& bytes);
