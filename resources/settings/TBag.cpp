#include "TBag.h"

#include <QFontInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "IniFile.h"
#include "IntText.h"
#include "Placement.h"
#include "SettingsErrors.h"

namespace {

// Font heights are kept at the classic 96 pixels per inch, so the stored
// text does not depend on the screen a setting was written on.
constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
// The placement text's room.
constexpr std::size_t kMaxPlacementText = 99;

// Item names and loaded values: ASCII letters only, so UTF-8 text survives.
std::string upperAscii(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return s;
}

// a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

}  // namespace

void TBag::checkFileAndSection() const {
    if (iniFile_.empty()) throw EBagError("No INI file specified");
    if (iniSect_.empty()) throw EBagError("No INI file section specified");
}

std::string TBag::GetItem(const std::string& name) const {
    if (name.empty()) throw EBagError("No item specified");
    const auto it = std::find(names_.begin(), names_.end(), upperAscii(name));
    return it == names_.end() ? std::string() : values_[static_cast<std::size_t>(it - names_.begin())];
}

void TBag::SetItem(const std::string& name, const std::string& value) {
    if (name.empty()) throw EBagError("No item specified");
    const std::string upper = upperAscii(name);
    const auto it = std::find(names_.begin(), names_.end(), upper);
    if (it != names_.end()) {
        values_[static_cast<std::size_t>(it - names_.begin())] = value;
        return;
    }
    names_.push_back(upper);
    values_.push_back(value);
}

void TBag::SetInteger(const std::string& name, int value) { SetItem(name, std::to_string(value)); }

void TBag::Load() {
    checkFileAndSection();
    for (const auto& [key, value] : ::IniFile(iniFile_).ReadSectionValues(iniSect_)) {
        const std::string entry = upperAscii(key + "=" + value);
        const auto eq = entry.find('=');
        if (eq == std::string::npos || eq < 1) continue;
        SetItem(entry.substr(0, eq), entry.substr(eq + 1, kMaxLoadedValue));
    }
}

void TBag::Save() const {
    checkFileAndSection();
    if (names_.empty()) throw EBagError("No items to write to INI file");
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t i = 0; i < names_.size(); ++i) entries.emplace_back(names_[i], values_[i]);
    ::IniFile(iniFile_).WriteStrings(iniSect_, entries);
}

std::string TBag::FontText(const TBagFont& bagFont) {
    const QFont& f = bagFont.font;
    int style = 0;
    if (f.bold()) style |= kBold;
    if (f.italic()) style |= kItalic;
    if (f.underline()) style |= kUnderline;
    if (f.strikeOut()) style |= kStrikeOut;
    int pitch = kPitchDefault;
    if (f.resolveMask() & QFont::FixedPitchResolved) pitch = f.fixedPitch() ? kPitchFixed : kPitchVariable;

    int size = 0, height = 0;
    if (f.pixelSize() > 0) {
        height = -f.pixelSize();
        size = mulDiv(f.pixelSize(), kPointsPerInch, kPixelsPerInch);
    } else {
        size = static_cast<int>(std::lround(f.pointSizeF()));
        height = -mulDiv(size, kPixelsPerInch, kPointsPerInch);
    }
    QString face = f.family();
    if (face.isEmpty()) face = QFontInfo(f).family();

    return std::to_string(style) + "," + std::to_string(pitch) + "<" + std::to_string(size) + ">" +
           std::to_string(height) + ";" + std::to_string(bagFont.color) + ":" + face.toStdString();
}

void TBag::SetFont(const std::string& name, const TBagFont& font) { SetItem(name, FontText(font)); }

const TBagFont& TBag::GetFont(const std::string& name, const TBagFont& def) {
    font_ = def;
    const std::string text = GetItem(name);
    if (text.empty()) return font_;

    const auto comma = text.find(','), lt = text.find('<'), gt = text.find('>'), semi = text.find(';'),
               colon = text.find(':');
    const auto npos = std::string::npos;
    const bool valid = comma != npos && comma >= 1 && lt != npos && lt > comma && gt != npos && gt > lt &&
                       semi != npos && semi > gt && colon != npos && colon > semi && colon + 1 < text.size();
    if (!valid) throw EBagError("Invalid font in INI file");

    const auto field = [&](std::size_t from, std::size_t to) { return text.substr(from, to - from); };
    // Every field is converted before the font changes, in the order the
    // fields are applied, so a bad field names the same text either way.
    const std::string face = text.substr(colon + 1);
    const std::int32_t color = inttext::StrToInt(field(semi + 1, colon));
    const int height = inttext::StrToInt(field(gt + 1, semi));
    const int size = inttext::StrToInt(field(lt + 1, gt));
    const int pitch = inttext::StrToInt(field(comma + 1, lt));
    const int style = inttext::StrToInt(field(0, comma));

    QFont& f = font_.font;
    f.setFamily(QString::fromStdString(face));
    font_.color = color;
    // The size in points wins over the height, as the later of the two settings.
    if (size > 0) f.setPointSize(size);
    else if (height != 0) f.setPixelSize(std::abs(height));
    if (pitch == kPitchVariable || pitch == kPitchFixed) {
        f.setFixedPitch(pitch == kPitchFixed);
    } else {
        f.setFixedPitch(false);
        f.setResolveMask(f.resolveMask() & ~QFont::FixedPitchResolved);
    }
    f.setBold(style & kBold);
    f.setItalic(style & kItalic);
    f.setUnderline(style & kUnderline);
    f.setStrikeOut(style & kStrikeOut);
    return font_;
}

void TBag::SavePlacement(const std::string& name, const QWidget& form) {
    const WindowPlacement p = placementOf(form);
    std::string text;
    for (const std::int32_t n : {p.flags, p.showCmd, p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom})
        text += (text.empty() ? "" : ",") + std::to_string(n);
    // A record cut to fit would still read as ten numbers with a wrong last
    // one: one that does not fit is not stored at all.
    if (text.size() > kMaxPlacementText) return;
    SetItem(name, text);
}

void TBag::RestorePlacement(const std::string& name, QWidget& form) const {
    const std::string text = GetItem(name) + ",";
    std::int32_t n[10];
    std::size_t pos = 0;
    for (std::int32_t& field : n) {
        const auto end = text.find(',', pos);
        if (end == std::string::npos || end == pos) return;
        field = inttext::StrToInt(text.substr(pos, end - pos));
        pos = end + 1;
    }
    WindowPlacement p;
    p.flags = n[0];
    p.showCmd = n[1];
    p.minX = n[2];
    p.minY = n[3];
    p.maxX = n[4];
    p.maxY = n[5];
    p.left = n[6];
    p.top = n[7];
    p.right = n[8];
    p.bottom = n[9];
    if (p.left < p.right) applyPlacement(form, p);
}
