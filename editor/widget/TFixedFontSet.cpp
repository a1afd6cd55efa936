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

QString TFixedFontSet::fixedPitchName(const QString& name) {
    // A fixed-pitch family by name (any case), or a name the font system
    // resolves to a fixed-pitch face, such as the alias "Courier New". An
    // unknown name gets the font system's fallback face, and counts exactly
    // when that face is fixed pitch: what is painted is then a fixed font.
    return fonts::fixedPitchFamily(name);
}

TFixedFontSet::TFixedFontSet() {
    const QStringList families = fonts::fixedPitchFamilies();
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
