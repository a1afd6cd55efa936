#pragma once
// A Prompter for tests: records every caption and text shown, in order, and
// answers from a queue. A question with no matching answer queued never
// blocks: it is recorded in errors() and answered as cancelled.
//
// Constructing one installs it as Prompter::current(); destroying it puts
// the previous prompter back.

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <variant>

#include "Prompter.h"

class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Message, Confirm, Choice, Input, OpenFiles, SaveFile, Font, Color, Print, PrintSetup };

    // One question as it was asked.
    struct Shown {
        Kind kind;
        QString caption;
        QString text;         // message text, confirmation text or input prompt
        Buttons buttons;      // Confirm: the buttons offered
        QString detail;       // Input: default text; file dialogs: the filter;
                              // Choice: the buttons' words, '|' between
        FileRequest file;     // file dialogs: the whole request
        PrintRequest printRequest;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;
    ScriptedPrompter(const ScriptedPrompter&) = delete; // installed by address
    ScriptedPrompter& operator=(const ScriptedPrompter&) = delete;

    // Answers, consumed in order; each must match the kind of the question
    // that takes it. Message boxes need no answer (OK is their only button).
    void answerConfirm(Button b);
    // A choice answered by the words of its button.
    void answerChoice(const QString& label);
    void answerInput(const QString& text);
    void answerOpen(const QStringList& files);
    void answerSave(const QString& path);
    void answerFont(const QFont& font, quint32 color = 0);
    void answerColor(quint32 color);
    void answerPrint(bool ok = true);
    void answerPrintSetup(bool ok = true);
    // Cancels whatever question comes next (input, file, font, colour,
    // print: cancelled; confirm: Cancel).
    void answerCancel();

    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;    // the text of every question, in order
    QStringList captions() const; // the caption of every question, in order
    QString lastText() const;
    void clearShown() { shown_.clear(); }

    // Questions that found no fitting answer, and answers never taken.
    const QStringList& errors() const { return errors_; }
    int pendingAnswers() const { return int(answers_.size()); }

    void message(const QString& caption, const QString& text, Icon icon = Icon::Information) override;
    Button confirm(const QString& caption, const QString& text, Buttons buttons, Button defaultButton = NoButton,
                   Icon icon = Icon::Question) override;
    int choose(const QString& caption, const QString& text, const QStringList& buttons, int defaultIndex = 0,
               Icon icon = Icon::Warning) override;
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& defaultText = QString()) override;
    QStringList openFiles(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontRequest& request) override;
    std::optional<quint32> chooseColor(const QString& caption, quint32 initial) override;
    bool print(QPrinter& printer, const PrintRequest& request) override;
    bool printSetup(QPrinter& printer, const QString& caption = QString()) override;

private:
    struct CancelAnswer {};
    struct PrintAnswer { bool ok; };
    struct PrintSetupAnswer { bool ok; };
    struct OpenAnswer { QStringList files; };
    struct SaveAnswer { QString path; };
    struct ChoiceAnswer { QString label; };
    using Answer = std::variant<CancelAnswer, Button, QString, OpenAnswer, SaveAnswer, FontChoice, quint32,
                                PrintAnswer, PrintSetupAnswer, ChoiceAnswer>;

    // The next answer if it is a T (or a cancel); records an error otherwise.
    template <class T> std::optional<T> take(Kind kind, bool& cancelled);
    void record(Shown s);

    std::deque<Answer> answers_;
    QList<Shown> shown_;
    QStringList errors_;
    Prompter* previous_ = nullptr;
};

QString kindName(ScriptedPrompter::Kind k);
