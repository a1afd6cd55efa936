#pragma once
// The settings bag each tool window and dialog carries as Prefs: named text
// items in memory, merged from one section of a settings file by Load and
// written back by Save, with helpers that turn a window placement and a font
// into an item. Item names are upper case; values loaded from the file come
// back upper case too (the file's whole "KEY=VALUE" text is upper-cased).
// Misuse raises EBagError; the bag keeps the items it had.

#include <QFont>
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

// A font as the bag stores it: Qt's font plus the colour number that the
// font object of the settings format carries (red in the low byte; negative
// for system colours). Pitch is the font's fixed-pitch setting: unset is the
// default pitch, false variable, true fixed.
struct TBagFont {
    QFont font;
    std::int32_t color = 0;
};

class TBag {
public:
    // The font text's style bits and pitch numbers.
    static constexpr int kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;
    static constexpr int kPitchDefault = 0, kPitchVariable = 1, kPitchFixed = 2;
    // Longest value Load takes from the file.
    static constexpr std::size_t kMaxLoadedValue = 255;

    TBag() = default;
    TBag(const std::string& iniFile, const std::string& iniSect) : iniFile_(iniFile), iniSect_(iniSect) {}

    const std::string& IniFile() const { return iniFile_; }
    const std::string& IniSect() const { return iniSect_; }
    void SetIniFile(const std::string& iniFile) { iniFile_ = iniFile; }
    void SetIniSect(const std::string& iniSect) { iniSect_ = iniSect; }

    int Count() const { return static_cast<int>(names_.size()); }

    void Load();
    void Save() const;

    std::string GetItem(const std::string& name) const;
    void SetItem(const std::string& name, const std::string& value);
    void SetInteger(const std::string& name, int value);

    // The bag's own font: a copy of def, changed by the item when there is one.
    // Raises EBagError "Invalid font in INI file" for a malformed item, and
    // EConvertError for a field that is no number (the font then equals def).
    const TBagFont& GetFont(const std::string& name, const TBagFont& def);
    void SetFont(const std::string& name, const TBagFont& font);

    // FORM_PLACE: ten numbers joined by ",". RestorePlacement leaves the form
    // as it is when a field is empty or missing, or the rectangle is empty.
    void SavePlacement(const std::string& name, const QWidget& form);
    void RestorePlacement(const std::string& name, QWidget& form) const;

    // The font text of the settings format, e.g. "0,0<10>-13;0:Courier New".
    static std::string FontText(const TBagFont& font);

private:
    void checkFileAndSection() const;

    std::string iniFile_, iniSect_;
    std::vector<std::string> names_;   // upper case, in first-added order
    std::vector<std::string> values_;  // same index as names_
    TBagFont font_;
};
