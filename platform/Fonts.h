#pragma once
// Fixed-pitch fonts: the editing control accepts fixed-pitch fonts only.
// QFontInfo::fixedPitch() is wrong for some fonts, so pitch is decided by
// measuring: a font is fixed pitch when "i" and "W" advance equally.

#include <QFont>
#include <QString>
#include <QStringList>

namespace fonts {

// True when the font, as the font system resolves it, has equal advances
// for "i" and "W".
bool isFixedPitch(const QFont& font);

// The installed families that are fixed pitch, sorted without regard to case.
QStringList fixedPitchFamilies();

// The family the font system actually uses for a requested name (fontconfig
// substitutes, e.g. "Courier New" -> "Liberation Mono").
QString resolvedFamily(const QString& name);

// Whether a font name is acceptable as the editor's fixed font: it names a
// fixed-pitch family without regard to case, or the font system resolves it
// to a fixed-pitch font. Empty names are refused.
bool isFixedPitchName(const QString& name);

// The fixed-pitch family to use for name: the installed family spelled as
// installed when the name matches one without regard to case, otherwise the
// name itself when it resolves to a fixed-pitch font, otherwise empty.
QString fixedPitchFamily(const QString& name);

// A fixed-pitch font that is always available (the general monospace face).
QFont defaultFixedFont(int pointSize = 10);

}  // namespace fonts
