#pragma once
// The editing control's font holder: only fixed-pitch fonts are accepted, so
// every character cell has the same width and columns map to pixels.

#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>

class TFixedFontSet {
public:
    // Starts with the first fixed-pitch family found, 10 point, black.
    TFixedFontSet();

    const QFont& font() const { return font_; }
    QString name() const { return font_.family(); }
    int size() const { return font_.pointSize(); }
    QColor color() const { return color_; }

    // A name that is not a fixed-pitch font is ignored (returns false) and
    // the font stays as it was.
    bool setName(const QString& name);
    void setSize(int points);
    void setColor(const QColor& color);

    // Takes family, size and style of a whole font; throws
    // std::invalid_argument("Invalid font assignment. Font must be a fixed font")
    // when its family is not fixed pitch, changing nothing.
    void assign(const QFont& font);

    // Called after every change, so the control recomputes metrics and repaints.
    std::function<void()> onChange;

    // The spelling to use for name when it names a fixed-pitch font: a listed
    // family matched without regard to case, or a name that the font
    // configuration resolves to a fixed-pitch font (an alias such as
    // "Courier New"). Empty when the font is not fixed pitch.
    static QString fixedPitchName(const QString& name);

private:
    void changed();

    QFont font_;
    QColor color_ = Qt::black;
};
