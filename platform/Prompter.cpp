#include "Prompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "ColorNumber.h"

namespace {

Prompter*& installed() {
    static Prompter* p = nullptr;
    return p;
}

QWidget* dialogParent() { return QApplication::activeWindow(); }

// Strips a trailing "(...)" that lists patterns; other bracketed words stay.
QString labelWithoutPatterns(QString label) {
    label = label.trimmed();
    if (label.endsWith(u')')) {
        const qsizetype open = label.lastIndexOf(u'(');
        if (open >= 0 && label.mid(open).contains(u'*')) label = label.left(open).trimmed();
    }
    return label;
}

const struct {
    Prompter::Button ours;
    QMessageBox::StandardButton qt;
} kButtons[] = {
    {Prompter::Ok, QMessageBox::Ok},       {Prompter::Cancel, QMessageBox::Cancel},
    {Prompter::Yes, QMessageBox::Yes},     {Prompter::No, QMessageBox::No},
    {Prompter::Abort, QMessageBox::Abort}, {Prompter::Retry, QMessageBox::Retry},
    {Prompter::Ignore, QMessageBox::Ignore},
};

QMessageBox::Icon qtIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// The answer a closed box gives: the most cautious button offered.
Prompter::Button escapeAnswer(Prompter::Buttons buttons) {
    for (Prompter::Button b : {Prompter::Cancel, Prompter::No, Prompter::Abort, Prompter::Ignore, Prompter::Ok})
        if (buttons & b) return b;
    return Prompter::Cancel;
}

void prepareFileDialog(QFileDialog& dlg, const Prompter::FileRequest& r) {
    dlg.setWindowTitle(r.caption);
    const QStringList filters = qtFileFilters(r.filter);
    if (!filters.isEmpty()) {
        dlg.setNameFilters(filters);
        const int i = r.filterIndex - 1;
        dlg.selectNameFilter(filters.value(i >= 0 && i < filters.size() ? i : 0));
    }
    if (!r.initialDir.isEmpty()) dlg.setDirectory(r.initialDir);
    if (!r.fileName.isEmpty()) dlg.selectFile(r.fileName);
    if (!r.defaultExt.isEmpty()) dlg.setDefaultSuffix(r.defaultExt);
}

}  // namespace

Prompter::~Prompter() = default;

Prompter& Prompter::current() {
    static QtPrompter fallback;
    return installed() ? *installed() : fallback;
}

Prompter* Prompter::install(Prompter* p) {
    Prompter* previous = installed();
    installed() = p;
    return previous;
}

QStringList qtFileFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& raw : parts[i + 1].split(u';')) {
            QString p = raw.trimmed();
            if (p.isEmpty()) continue;
            if (p == u"*.*") p = QStringLiteral("*");
            if (!patterns.contains(p)) patterns << p;
        }
        if (patterns.isEmpty()) continue;
        QString label = labelWithoutPatterns(parts[i]);
        const QString list = patterns.join(u' ');
        result << (label.isEmpty() ? list : label + QStringLiteral(" (") + list + u')');
    }
    return result;
}

QString saveExtension(const QString& qtFilter, const QString& defaultExt) {
    const qsizetype open = qtFilter.lastIndexOf(u'(');
    const qsizetype close = qtFilter.lastIndexOf(u')');
    const QString patterns = open >= 0 && close > open ? qtFilter.mid(open + 1, close - open - 1) : qtFilter;
    const QString first = patterns.section(u' ', 0, 0, QString::SectionSkipEmpty);
    if (!first.startsWith(QStringLiteral("*."))) return defaultExt;
    const QString ext = first.mid(2);
    const bool plain = !ext.isEmpty() && !ext.contains(u'*') && !ext.contains(u'?') && !ext.contains(u'[');
    return plain ? ext : defaultExt;
}

// Texts carry file names, tags and the user's own words: shown as written,
// never read as markup (a box in automatic format would render "<B>x</B>").
void QtPrompter::message(const QString& caption, const QString& text, Icon icon) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Prompter::Button QtPrompter::confirm(const QString& caption, const QString& text, Buttons buttons,
                                     Button defaultButton, Icon icon) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    for (const auto& b : kButtons)
        if (buttons & b.ours) box.addButton(b.qt);
    for (const auto& b : kButtons) {
        if (b.ours == defaultButton && (buttons & b.ours)) box.setDefaultButton(b.qt);
        if (b.ours == escapeAnswer(buttons)) box.setEscapeButton(box.button(b.qt));
    }
    const int chosen = box.exec();
    for (const auto& b : kButtons)
        if (chosen == b.qt) return b.ours;
    return escapeAnswer(buttons);
}

int QtPrompter::choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex,
                       Icon icon) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> added;
    for (const QString& label : buttons) added << box.addButton(label, QMessageBox::ActionRole);
    if (defaultIndex >= 0 && defaultIndex < added.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(added[defaultIndex]));
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

std::optional<QString> QtPrompter::input(const QString& caption, const QString& prompt, const QString& defaultText) {
    QInputDialog dlg(dialogParent());
    dlg.setWindowTitle(caption);
    dlg.setLabelText(prompt);
    dlg.setTextValue(defaultText);
    for (QLabel* label : dlg.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.textValue();
}

QStringList QtPrompter::openFiles(const FileRequest& request) {
    QFileDialog dlg(dialogParent());
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    prepareFileDialog(dlg, request);
    if (dlg.exec() != QDialog::Accepted) return {};
    QStringList files = dlg.selectedFiles();
    if (!request.multiple && files.size() > 1) files = files.mid(0, 1);
    return files;
}

QString QtPrompter::saveFile(const FileRequest& request) {
    QFileDialog dlg(dialogParent());
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (!request.overwritePrompt) dlg.setOption(QFileDialog::DontConfirmOverwrite);
    prepareFileDialog(dlg, request);
    // A name typed without an extension gets the selected filter's.
    dlg.setDefaultSuffix(saveExtension(dlg.selectedNameFilter(), request.defaultExt));
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg, &request](const QString& filter) {
        dlg.setDefaultSuffix(saveExtension(filter, request.defaultExt));
    });
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles().value(0);
}

std::optional<Prompter::FontChoice> QtPrompter::chooseFont(const FontRequest& request) {
    bool ok = false;
    QFontDialog::FontDialogOptions options;
    if (request.fixedPitchOnly) options |= QFontDialog::MonospacedFonts;
    const QFont font = QFontDialog::getFont(&ok, request.font, dialogParent(), request.caption, options);
    if (!ok) return std::nullopt;
    // Qt's font dialog has no colour: the colour comes back as it went in.
    return FontChoice{font, request.color};
}

std::optional<quint32> QtPrompter::chooseColor(const QString& caption, quint32 initial) {
    const QColor c = QColorDialog::getColor(colorFromNumber(initial), dialogParent(), caption);
    if (!c.isValid()) return std::nullopt;
    return colorNumber(c);
}

bool QtPrompter::print(QPrinter& printer, const PrintRequest& request) {
    QPrintDialog dlg(&printer, dialogParent());
    if (!request.caption.isEmpty()) dlg.setWindowTitle(request.caption);
    dlg.setOption(QAbstractPrintDialog::PrintSelection, request.selectionAvailable);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, request.pageRangeAllowed);
    dlg.setMinMax(request.minPage, request.maxPage);
    return dlg.exec() == QDialog::Accepted;
}

bool QtPrompter::printSetup(QPrinter& printer, const QString& caption) {
    QPageSetupDialog dlg(&printer, dialogParent());
    if (!caption.isEmpty()) dlg.setWindowTitle(caption);
    return dlg.exec() == QDialog::Accepted;
}
