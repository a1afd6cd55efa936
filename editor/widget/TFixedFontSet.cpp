#include "TFixedFontSet.h"

#include "Fonts.h"

#include <QFontDatabase>
#include <stdexcept>

namespace {
QFont fontNamed(const QString& family) {
    QFont f(family);
    // Without this Qt may substitute by style hint instead of by name.
    f.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return f;
}
}  // namespace

bool TFixedFontSet::hasEqualAdvances(const QFont& font) { return fonts::isFixedPitch(font); }

const QStringList& TFixedFontSet::fixedFamilies() {
    static const QStringList families = fonts::fixedPitchFamilies();
    return families;
}

QString TFixedFontSet::fixedPitchName(const QString& name) {
    const QString accepted = fonts::fixedPitchFamily(name);
    if (accepted.isEmpty() || fixedFamilies().contains(accepted)) return accepted;
    // An unlisted name (an alias such as "Courier New") counts only when the
    // font configuration really resolves it, not when it lands on the
    // fallback face that any unknown name gets.
    static const QString fallback = fonts::resolvedFamily(QStringLiteral("qm-no-such-font-family"));
    if (fonts::resolvedFamily(accepted).compare(fallback, Qt::CaseInsensitive) == 0) return {};
    return accepted;
}

TFixedFontSet::TFixedFontSet() {
    const QStringList& families = fixedFamilies();
    font_ = families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                               : fontNamed(families.first());
    font_.setPointSize(10);
}

bool TFixedFontSet::setName(const QString& name) {
    const QString accepted = fixedPitchName(name);
    if (accepted.isEmpty()) return false;
    if (accepted == font_.family()) return true;
    font_.setFamily(accepted);
    changed();
    return true;
}

void TFixedFontSet::setSize(int points) {
    if (points <= 0 || points == font_.pointSize()) return;
    font_.setPointSize(points);
    changed();
}

void TFixedFontSet::setColor(const QColor& color) {
    if (color == color_) return;
    color_ = color;
    changed();
}

void TFixedFontSet::assign(const QFont& font) {
    const QString accepted = fixedPitchName(font.family());
    if (accepted.isEmpty())
        throw std::invalid_argument("Invalid font assignment. Font must be a fixed font");
    QFont f = font;
    f.setFamily(accepted);
    f.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    font_ = f;
    changed();
}

void TFixedFontSet::changed() {
    if (onChange) onChange();
}
