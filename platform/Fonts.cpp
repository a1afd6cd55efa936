#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace fonts {

bool isFixedPitch(const QFont& font) {
    const QFontMetricsF fm(font);
    // A face without Latin letters (a CJK fallback) would measure two
    // substitute glyphs; it is no editor font.
    if (!fm.inFont(QLatin1Char('i')) || !fm.inFont(QLatin1Char('W'))) return false;
    const qreal narrow = fm.horizontalAdvance(QLatin1Char('i'));
    const qreal wide = fm.horizontalAdvance(QLatin1Char('W'));
    return narrow > 0 && std::abs(narrow - wide) < 0.01;
}

QStringList fixedPitchFamilies() {
    // The installed fonts do not change while the program runs.
    static const QStringList families = [] {
        QStringList out;
        for (const QString& family : QFontDatabase::families()) {
            if (QFontDatabase::isPrivateFamily(family)) continue;
            QFont f(family);
            f.setPointSize(12);
            // Measure the family itself, not a substitute for a missing glyph.
            f.setStyleStrategy(QFont::NoFontMerging);
            if (isFixedPitch(f)) out << family;
        }
        std::sort(out.begin(), out.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        return out;
    }();
    return families;
}

QString resolvedFamily(const QString& name) {
    if (name.trimmed().isEmpty()) return QString();
    return QFontInfo(QFont(name)).family();
}

QString fixedPitchFamily(const QString& name) {
    const QString wanted = name.trimmed();
    if (wanted.isEmpty()) return QString();
    for (const QString& family : fixedPitchFamilies())
        if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
    QFont f(wanted);
    f.setPointSize(12);
    if (isFixedPitch(f)) return wanted;
    return QString();
}

bool isFixedPitchName(const QString& name) { return !fixedPitchFamily(name).isEmpty(); }

QFont defaultFixedFont(int pointSize) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(pointSize);
    return f;
}

}  // namespace fonts
