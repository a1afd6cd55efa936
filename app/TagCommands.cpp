#include "TagCommands.h"

#include <QLocale>
#include <array>
#include <string>

#include "CommandTable.h"
#include "Navigation.h"
#include "OptionsRules.h"
#include "StartupRules.h"
#include "TMegaRegistry.h"
#include "TextTools.h"
#include "TfNetscapeError.h"
#include "TfProgress.h"
#include "TfURLGrab.h"
#include "TmdiMain.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Fills the {Field} names of a row's text in one pass, so a user's details
// that happen to hold such a name are inserted as written.
QString expandFields(std::string_view text, const UserDetails& user, const QDateTime& now) {
    QString out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t open = text.find('{', i);
        const size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            out += qs(text.substr(i));
            break;
        }
        out += qs(text.substr(i, open - i));
        const std::string_view name = text.substr(open + 1, close - open - 1);
        if (name == "User Name") out += user.userName;
        else if (name == "EMail") out += user.email;
        else if (name == "Home Page") out += user.homePage;
        else if (name == "Organisation") out += user.organisation;
        else if (name == "Date") out += lastUpdatedDate(now);
        else out += qs(text.substr(open, close - open + 1));
        i = close + 1;
    }
    return out;
}

}  // namespace

UserDetails readUserDetails(TmdiMain& main) {
    const TMegaRegistry& ini = main.IniControl();
    auto read = [&](const char* key, const char* placeholder) {
        return QString::fromStdString(ini.ReadString("Application Header", key, placeholder));
    };
    return {read("User Name", options::kPlaceholderUserName), read("EMail", options::kPlaceholderEmail),
            read("Home Page", options::kPlaceholderHomePage), read("Organisation", options::kPlaceholderOrganisation)};
}

QString lastUpdatedDate(const QDateTime& when) {
    // Names from the system's locale; the rest of the pattern is fixed
    // (AM/PM in English whatever the locale says).
    const QLocale locale = QLocale::system();
    const QDate d = when.date();
    const QTime t = when.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return locale.dayName(d.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ") + QString::number(d.day()) +
           QLatin1Char(' ') + locale.monthName(d.month(), QLocale::LongFormat) + QStringLiteral(", ") +
           QString::number(d.year()).rightJustified(4, QLatin1Char('0')) + QStringLiteral(" at ") +
           QString::number(hour12) + QLatin1Char(':') + QString::number(t.minute()).rightJustified(2, QLatin1Char('0')) +
           (t.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
}

TagPair stateTagTexts(const commands::MenuRow& row, bool hasSelection, const UserDetails& user,
                      const QDateTime& now) {
    const std::string_view start = hasSelection ? row.startText : row.plainStart;
    const std::string_view end = hasSelection ? row.endText : row.plainEnd;
    return {expandFields(start, user, now), expandFields(end, user, now)};
}

void installTagCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    w->setTagInserter([w](const QString& start, const QString& end) { InsertTag(*w, start, end); });
    for (const commands::MenuRow& row : commands::menuRows()) {
        if (row.kind != commands::RowKind::StateTag) continue;
        const commands::MenuRow* r = &row;
        w->setHandler(row.handler, [w, r] {
            const TagPair texts = stateTagTexts(*r, HasSelection(*w), readUserDetails(*w), QDateTime::currentDateTime());
            InsertTag(*w, texts.start, texts.end);
        });
    }
    w->setHandler("RepeatLastTag1Click", [w] { RepeatLastTag(*w); });

    for (const navigation::GotoRow& row : navigation::gotoRows()) {
        const navigation::GotoRow* r = &row;
        w->setHandler(row.handler, [w, r] { navigation::runGoto(*w, activeEditControl(*w), *r); });
    }
    const auto setMarks = navigation::setBookmarkHandlers();
    const auto gotoMarks = navigation::gotoBookmarkHandlers();
    for (size_t i = 0; i < setMarks.size(); ++i) {
        const int n = int(i) + 1;
        w->setHandler(setMarks[i], [w, n] { navigation::SetBookmark(activeEditControl(*w), n); });
        w->setHandler(gotoMarks[i], [w, n] { navigation::GotoBookmark(activeEditControl(*w), n); });
    }

    // The text tools' windows are made once and hidden between uses, so the
    // library list keeps its state.
    auto* grab = new TfURLGrab(w);
    auto* progress = new TfProgress(w);
    auto* bookmarkError = new TfNetscapeError(w);
    w->setHandler("ExportasText1Click", [w] { texttools::ConvertToText(*w, activeEditControl(*w)); });
    w->setHandler("GrabURLs1Click", [w, grab] { texttools::GrabURLsFromDocument(*w, activeEditControl(*w), *grab); });
    w->setHandler("ImportURLsfromNetscape1Click", [w, grab, progress, bookmarkError] {
        texttools::ImportURLsfromNetscape(*w, *grab, *progress, *bookmarkError);
    });
    w->setHandler("CheckSpelling1Click", [w] { texttools::CheckSpelling(activeEditControl(*w)); });
}
