#pragma once
// The platform's 32-bit colour numbers: red in the low byte, then green,
// then blue; the high byte is ignored.

#include <QColor>
#include <QtGlobal>

inline QColor colorFromNumber(quint32 n) {
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

inline quint32 colorNumber(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}
