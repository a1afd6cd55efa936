#include "ScriptedPrompter.h"

#include <QDebug>

namespace {

template <class T> constexpr const char* answerName() {
    if constexpr (std::is_same_v<T, Prompter::Button>) return "confirm";
    else if constexpr (std::is_same_v<T, QString>) return "input";
    else if constexpr (std::is_same_v<T, Prompter::FontChoice>) return "font";
    else if constexpr (std::is_same_v<T, quint32>) return "colour";
    else return "other";
}

// What a closed confirmation answers: the most cautious button offered.
Prompter::Button closedAnswer(Prompter::Buttons buttons) {
    for (Prompter::Button b : {Prompter::Cancel, Prompter::No, Prompter::Abort, Prompter::Ignore, Prompter::Ok})
        if (buttons & b) return b;
    return Prompter::Cancel;
}

}  // namespace

QString kindName(ScriptedPrompter::Kind k) {
    switch (k) {
    case ScriptedPrompter::Kind::Message: return QStringLiteral("message");
    case ScriptedPrompter::Kind::Confirm: return QStringLiteral("confirm");
    case ScriptedPrompter::Kind::Choice: return QStringLiteral("choice");
    case ScriptedPrompter::Kind::Input: return QStringLiteral("input");
    case ScriptedPrompter::Kind::OpenFiles: return QStringLiteral("open");
    case ScriptedPrompter::Kind::SaveFile: return QStringLiteral("save");
    case ScriptedPrompter::Kind::Font: return QStringLiteral("font");
    case ScriptedPrompter::Kind::Color: return QStringLiteral("colour");
    case ScriptedPrompter::Kind::Print: return QStringLiteral("print");
    case ScriptedPrompter::Kind::PrintSetup: return QStringLiteral("print setup");
    }
    return QString();
}

ScriptedPrompter::ScriptedPrompter() : previous_(Prompter::install(this)) {}

ScriptedPrompter::~ScriptedPrompter() {
    // Only put the previous one back if nobody replaced us meanwhile.
    if (&Prompter::current() == this) Prompter::install(previous_);
}

void ScriptedPrompter::answerConfirm(Button b) { answers_.emplace_back(std::in_place_type<Button>, b); }
void ScriptedPrompter::answerChoice(const QString& label) {
    answers_.emplace_back(std::in_place_type<ChoiceAnswer>, ChoiceAnswer{label});
}
void ScriptedPrompter::answerInput(const QString& text) { answers_.emplace_back(std::in_place_type<QString>, text); }
void ScriptedPrompter::answerOpen(const QStringList& files) { answers_.emplace_back(std::in_place_type<OpenAnswer>, OpenAnswer{files}); }
void ScriptedPrompter::answerSave(const QString& path) { answers_.emplace_back(std::in_place_type<SaveAnswer>, SaveAnswer{path}); }
void ScriptedPrompter::answerFont(const QFont& font, quint32 color) { answers_.emplace_back(std::in_place_type<FontChoice>, FontChoice{font, color}); }
void ScriptedPrompter::answerColor(quint32 color) { answers_.emplace_back(std::in_place_type<quint32>, color); }
void ScriptedPrompter::answerPrint(bool ok) { answers_.emplace_back(std::in_place_type<PrintAnswer>, PrintAnswer{ok}); }
void ScriptedPrompter::answerPrintSetup(bool ok) { answers_.emplace_back(std::in_place_type<PrintSetupAnswer>, PrintSetupAnswer{ok}); }
void ScriptedPrompter::answerCancel() { answers_.emplace_back(std::in_place_type<CancelAnswer>); }

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Shown& s : shown_) out << s.text;
    return out;
}

QStringList ScriptedPrompter::captions() const {
    QStringList out;
    for (const Shown& s : shown_) out << s.caption;
    return out;
}

QString ScriptedPrompter::lastText() const { return shown_.isEmpty() ? QString() : shown_.last().text; }

void ScriptedPrompter::record(Shown s) { shown_.append(std::move(s)); }

template <class T>
std::optional<T> ScriptedPrompter::take(Kind kind, bool& cancelled) {
    cancelled = false;
    const Shown& q = shown_.last();
    auto fail = [&](const QString& why) {
        const QString e = QStringLiteral("%1 \"%2\" / \"%3\": %4").arg(kindName(kind), q.caption, q.text, why);
        errors_ << e;
        qWarning("ScriptedPrompter: %s", qUtf8Printable(e));
        cancelled = true;
        return std::optional<T>();
    };
    if (answers_.empty()) return fail(QStringLiteral("no answer queued"));
    if (std::holds_alternative<CancelAnswer>(answers_.front())) {
        answers_.pop_front();
        cancelled = true;
        return std::nullopt;
    }
    if (!std::holds_alternative<T>(answers_.front()))
        return fail(QStringLiteral("the next queued answer is not a %1 answer").arg(QLatin1String(answerName<T>())));
    T value = std::get<T>(answers_.front());
    answers_.pop_front();
    return value;
}

void ScriptedPrompter::message(const QString& caption, const QString& text, Icon) {
    record(Shown{Kind::Message, caption, text, {}, {}, {}, {}});
}

Prompter::Button ScriptedPrompter::confirm(const QString& caption, const QString& text, Buttons buttons, Button,
                                           Icon) {
    record(Shown{Kind::Confirm, caption, text, buttons, {}, {}, {}});
    bool cancelled = false;
    const std::optional<Button> b = take<Button>(Kind::Confirm, cancelled);
    if (!b) return closedAnswer(buttons);
    if (!(buttons & *b)) {
        errors_ << QStringLiteral("confirm \"%1\": the queued button is not offered").arg(text);
        return closedAnswer(buttons);
    }
    return *b;
}

int ScriptedPrompter::choose(const QString& caption, const QString& text, const QStringList& buttons, int, Icon) {
    record(Shown{Kind::Choice, caption, text, {}, buttons.join(u'|'), {}, {}});
    bool cancelled = false;
    const std::optional<ChoiceAnswer> a = take<ChoiceAnswer>(Kind::Choice, cancelled);
    if (!a) return -1;
    const int index = int(buttons.indexOf(a->label));
    if (index < 0) errors_ << QStringLiteral("choice \"%1\": the queued button \"%2\" is not offered").arg(text, a->label);
    return index;
}

std::optional<QString> ScriptedPrompter::input(const QString& caption, const QString& prompt,
                                               const QString& defaultText) {
    record(Shown{Kind::Input, caption, prompt, {}, defaultText, {}, {}});
    bool cancelled = false;
    return take<QString>(Kind::Input, cancelled);
}

QStringList ScriptedPrompter::openFiles(const FileRequest& request) {
    record(Shown{Kind::OpenFiles, request.caption, QString(), {}, request.filter, request, {}});
    bool cancelled = false;
    const std::optional<OpenAnswer> a = take<OpenAnswer>(Kind::OpenFiles, cancelled);
    if (!a) return {};
    if (!request.multiple && a->files.size() > 1) {
        errors_ << QStringLiteral("open \"%1\": several files queued for a single-file dialog").arg(request.caption);
        return a->files.mid(0, 1);
    }
    return a->files;
}

QString ScriptedPrompter::saveFile(const FileRequest& request) {
    record(Shown{Kind::SaveFile, request.caption, QString(), {}, request.filter, request, {}});
    bool cancelled = false;
    const std::optional<SaveAnswer> a = take<SaveAnswer>(Kind::SaveFile, cancelled);
    return a ? a->path : QString();
}

std::optional<Prompter::FontChoice> ScriptedPrompter::chooseFont(const FontRequest& request) {
    record(Shown{Kind::Font, request.caption, request.font.family(), {}, {}, {}, {}});
    bool cancelled = false;
    return take<FontChoice>(Kind::Font, cancelled);
}

std::optional<quint32> ScriptedPrompter::chooseColor(const QString& caption, quint32 initial) {
    record(Shown{Kind::Color, caption, QString::number(initial), {}, {}, {}, {}});
    bool cancelled = false;
    return take<quint32>(Kind::Color, cancelled);
}

bool ScriptedPrompter::print(QPrinter&, const PrintRequest& request) {
    record(Shown{Kind::Print, request.caption, QString(), {}, {}, {}, request});
    bool cancelled = false;
    const std::optional<PrintAnswer> a = take<PrintAnswer>(Kind::Print, cancelled);
    return a && a->ok;
}

bool ScriptedPrompter::printSetup(QPrinter&, const QString& caption) {
    record(Shown{Kind::PrintSetup, caption, QString(), {}, {}, {}, {}});
    bool cancelled = false;
    const std::optional<PrintSetupAnswer> a = take<PrintSetupAnswer>(Kind::PrintSetup, cancelled);
    return a && a->ok;
}
