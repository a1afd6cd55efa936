#include "SyntaxCommands.h"

#include <QAction>
#include <QColor>
#include <QString>

#include "HtmlColorizer.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TfColor.h"
#include "TfHTML.h"
#include "TmdiMain.h"

namespace {

constexpr const char* kSection = "Syntax Colours";

void setChecked(TmdiMain& main, bool on) {
    for (QAction* a : main.actionsFor("SyntaxColouring1Click"))
        if (a->isCheckable()) a->setChecked(on);
}

SyntaxScheme schemeFrom(const TMegaRegistry& ini) {
    SyntaxScheme s = QString::fromStdString(ini.ReadString(kSection, "Scheme", "Light")).compare("Dark", Qt::CaseInsensitive) == 0
                         ? SyntaxScheme::dark()
                         : SyntaxScheme::light();
    for (std::size_t k = 0; k < SyntaxScheme::kKinds; ++k) {
        const QString key = SyntaxScheme::keyOf(static_cast<qm::html::Kind>(k));
        if (key.isEmpty()) continue;
        const QStringList words = QString::fromStdString(ini.ReadString(kSection, key.toStdString(), ""))
                                      .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        const QColor c = QColor::fromString(words[0]);
        if (!c.isValid()) continue;  // a damaged entry keeps the scheme's look
        s.styles[k] = {c, words.contains(QStringLiteral("bold"), Qt::CaseInsensitive),
                       words.contains(QStringLiteral("italic"), Qt::CaseInsensitive)};
    }
    return s;
}

SyntaxStyles stylesOf(const SyntaxScheme& s) {
    SyntaxStyles out;
    out.dark = s.isDark;
    out.background = s.background;
    out.text = s.text;
    for (std::size_t k = 0; k < SyntaxScheme::kKinds; ++k) {
        const QString key = SyntaxScheme::keyOf(static_cast<qm::html::Kind>(k));
        if (!key.isEmpty()) out.styles.push_back({key, s.styles[k].color, s.styles[k].bold, s.styles[k].italic});
    }
    return out;
}

}  // namespace

SyntaxStyles storedSyntaxStyles(const TMegaRegistry& ini) { return stylesOf(schemeFrom(ini)); }

SyntaxStyles builtInSyntaxStyles(bool dark) { return stylesOf(dark ? SyntaxScheme::dark() : SyntaxScheme::light()); }

void storeSyntaxStyles(TmdiMain& main, const SyntaxStyles& styles) {
    TMegaRegistry& ini = main.IniControl();
    ini.WriteString(kSection, "Scheme", styles.dark ? "Dark" : "Light");
    for (const SyntaxStyles::Style& st : styles.styles) {
        QString value = st.color.name();
        if (st.bold) value += QStringLiteral(" bold");
        if (st.italic) value += QStringLiteral(" italic");
        ini.WriteString(kSection, st.name.toStdString(), value.toStdString());
    }
    for (TfHTML* doc : htmlDocuments(main)) applySyntaxSettings(*doc->txtHTML(), ini);
}

void applySyntaxSettings(TTextEditControl& edit, const TMegaRegistry& ini) {
    const bool on = ini.ReadBool(kSection, "Enabled", true);
    const SyntaxScheme scheme = schemeFrom(ini);
    edit.htmlColorizer().setScheme(scheme);
    edit.setSyntaxColouring(on);
    if (on) {
        edit.setColor(scheme.background);
        edit.FixedFont().setColor(scheme.text);
    }
}

void installSyntaxCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    main.setHandler("SyntaxColouring1Click", [m] {
        const bool on = !m->IniControl().ReadBool(kSection, "Enabled", true);
        m->IniControl().WriteBool(kSection, "Enabled", on);
        setChecked(*m, on);
        for (TfHTML* doc : htmlDocuments(*m)) doc->SetProperties();
    });
    main.setHandler("MatchingTag1Click", [m] {
        if (TfHTML* doc = activeHtmlDocument(*m)) doc->txtHTML()->GotoMatchingTag();
    });
    setChecked(main, main.IniControl().ReadBool(kSection, "Enabled", true));
}
