#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QFileDialog>
#include <QTest>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ColorNumber.h"
#include "Prompter.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

TEST(FileFilters, LabelsAreRewrittenToThePatternsQtWillUse) {
    const struct {
        const char* written;
        QStringList qt;
    } cases[] = {
        {"HTML Files (*.htm)|*.htm;*.html|All Files (*.*)|*.*", {"HTML Files (*.htm *.html)", "All Files (*)"}},
        // The label claims *.qtb but the dialog lists *.qfd: Qt must be told *.qfd.
        {"Form Definition (*.qtb)|*.qfd", {"Form Definition (*.qfd)"}},
        {"HTML Document|*.htm|Text File|*.txt|All Files|*.*", {"HTML Document (*.htm)", "Text File (*.txt)", "All Files (*)"}},
        {"All Sound Files|*.au;*.wav|Wave Files (*.wav)|*.wav", {"All Sound Files (*.au *.wav)", "Wave Files (*.wav)"}},
        // A bracketed word that is no pattern list stays in the label.
        {"Pages (old)|*.htm", {"Pages (old) (*.htm)"}},
        // Blanks around patterns, an empty pattern and a dangling label are dropped.
        {"Mixed| *.a ; ;*.b |Dangling", {"Mixed (*.a *.b)"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(qtFileFilters(QString::fromUtf8(c.written)), c.qt) << c.written;
}

TEST(FileFilters, SaveExtensionIsTheSelectedFiltersOrTheDefault) {
    const struct {
        const char* filter;
        const char* defaultExt;
        const char* ext;
    } cases[] = {
        {"HTML Document (*.html)", "", "html"},
        {"HTML Document (*.htm)", "htm", "htm"},
        {"HTML Documents (*.html *.htm)", "", "html"},
        {"Text Files (*.txt)", "htm", "txt"},
        {"All Files (*)", "htm", "htm"},
        {"All Files (*)", "", ""},
        {"Anything (*.h*)", "", ""},
        {"", "htm", "htm"},
    };
    for (const auto& c : cases) EXPECT_EQ(saveExtension(c.filter, c.defaultExt), c.ext) << c.filter;
}

TEST(ColorNumbers, RedIsTheLowByte) {
    EXPECT_EQ(colorNumber(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(colorFromNumber(0x0000FF), QColor(Qt::red));
    EXPECT_EQ(colorFromNumber(0xFF563412), QColor(0x12, 0x34, 0x56)); // high byte ignored
}

TEST(ScriptedPrompter, RecordsEveryQuestionInOrderAndAnswersFromTheQueue) {
    ScriptedPrompter p;
    ASSERT_EQ(&Prompter::current(), &p);
    p.answerConfirm(Prompter::No);
    p.answerInput("site");
    p.answerOpen({"/a.htm", "/b.htm"});
    p.answerSave("/c.htm");
    p.answerColor(0x00FF00);
    p.answerFont(QFont("Liberation Mono", 11), 0xFF);
    p.answerPrint(true);

    Prompter& q = Prompter::current();
    q.message("Quillmar", "Unable to find x.");
    EXPECT_EQ(q.confirm("Save", "Save changes to : a", Prompter::Yes | Prompter::No | Prompter::Cancel),
              Prompter::No);
    EXPECT_EQ(q.input("New Project", "Enter a name", "def"), std::optional<QString>("site"));
    Prompter::FileRequest open;
    open.caption = "Open";
    open.multiple = true;
    open.filter = "HTML|*.htm";
    EXPECT_EQ(q.openFiles(open), (QStringList{"/a.htm", "/b.htm"}));
    EXPECT_EQ(q.saveFile({}), "/c.htm");
    EXPECT_EQ(q.chooseColor("Colour", 0), std::optional<quint32>(0x00FF00));
    const auto font = q.chooseFont({"Font", QFont("x"), 0, true});
    ASSERT_TRUE(font);
    EXPECT_EQ(font->font.family(), "Liberation Mono");
    EXPECT_EQ(font->color, 0xFFu);
    QPrinter printer;
    EXPECT_TRUE(q.print(printer, {}));

    EXPECT_EQ(p.texts(), (QStringList{"Unable to find x.", "Save changes to : a", "Enter a name", "", "", "0", "x", ""}));
    EXPECT_EQ(p.captions().mid(0, 4), (QStringList{"Quillmar", "Save", "New Project", "Open"}));
    EXPECT_EQ(p.shown()[1].buttons, Prompter::Yes | Prompter::No | Prompter::Cancel);
    EXPECT_EQ(p.shown()[2].detail, "def");
    EXPECT_EQ(p.shown()[3].detail, "HTML|*.htm");
    EXPECT_TRUE(p.errors().isEmpty()) << p.errors().join('\n').toStdString();
    EXPECT_EQ(p.pendingAnswers(), 0);
}

TEST(ScriptedPrompter, QuestionsWithoutAFittingAnswerAreCancelledAndReported) {
    ScriptedPrompter p;
    // Nothing queued: cancelled, never blocking.
    EXPECT_EQ(p.input("c", "name?"), std::nullopt);
    EXPECT_EQ(p.confirm("c", "sure?", Prompter::Yes | Prompter::No), Prompter::No);
    EXPECT_EQ(p.errors().size(), 2);

    // A queued answer of the wrong kind is reported and left for later.
    p.answerInput("text");
    EXPECT_TRUE(p.openFiles({}).isEmpty());
    EXPECT_EQ(p.errors().size(), 3);
    EXPECT_EQ(p.pendingAnswers(), 1);
    EXPECT_EQ(p.input("c", "name?"), std::optional<QString>("text"));

    // A button that the box does not offer.
    p.answerConfirm(Prompter::Retry);
    EXPECT_EQ(p.confirm("c", "save?", Prompter::Yes | Prompter::No | Prompter::Cancel), Prompter::Cancel);
    EXPECT_EQ(p.errors().size(), 4);

    // An explicit cancel is an answer, not an error.
    p.answerCancel();
    p.answerCancel();
    EXPECT_EQ(p.confirm("c", "save?", Prompter::Yes | Prompter::No | Prompter::Cancel), Prompter::Cancel);
    EXPECT_EQ(p.saveFile({}), QString());
    EXPECT_EQ(p.errors().size(), 4);
}

TEST(ScriptedPrompter, PutsThePreviousPrompterBack) {
    Prompter* production = &Prompter::current();
    {
        ScriptedPrompter outer;
        {
            ScriptedPrompter inner;
            EXPECT_EQ(&Prompter::current(), &inner);
        }
        EXPECT_EQ(&Prompter::current(), &outer);
    }
    EXPECT_EQ(&Prompter::current(), production);
    EXPECT_NE(dynamic_cast<QtPrompter*>(production), nullptr);
}

namespace {
// Runs f on the next modal dialog once it is up (the Qt prompter blocks).
template <class F>
void onNextModal(F f) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, f] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            f(w);
        }
    });
    poll->start(10);
}
}  // namespace

TEST(QtPrompter, ConfirmationReturnsTheButtonClicked) {
    QtPrompter p;
    onNextModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Save changes to : x");
        EXPECT_EQ(box->buttons().size(), 3);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(p.confirm("Quillmar", "Save changes to : x", Prompter::Yes | Prompter::No | Prompter::Cancel,
                        Prompter::Yes, Prompter::Icon::Question),
              Prompter::No);
    onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(p.confirm("Quillmar", "Close?", Prompter::Yes | Prompter::No, Prompter::NoButton,
                        Prompter::Icon::Question),
              Prompter::No);
}

TEST(QtPrompter, InputBoxGivesTheTextOrNothingWhenCancelled) {
    QtPrompter p;
    onNextModal([](QWidget* w) {
        auto* d = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->labelText(), "Enter a name for this New Project");
        d->setTextValue("proj");
        d->accept();
    });
    EXPECT_EQ(p.input("New Project", "Enter a name for this New Project", ""), std::optional<QString>("proj"));
    onNextModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(p.input("New Project", "Enter a name", "x"), std::nullopt);
}

// Boxes name files and quote tags and the user's words: markup in them is
// text to show, never to render (a rich-text box shows "<B>x</B>" as bold x).
TEST(QtPrompter, EveryBoxShowsItsTextAsPlainText) {
    QtPrompter qt;
    Prompter& p = qt;
    const QString text = QStringLiteral("<B>Send mail to</B> <A HREF=\"x\">me</A> & <H2>");
    const std::function<void()> asks[] = {
        [&] { p.message("Quillmar", text); },
        [&] { p.confirm("Quillmar", text, Prompter::Yes | Prompter::No); },
        [&] { p.input("Quillmar", text); },
    };
    for (const auto& ask : asks) {
        QStringList labels;
        onNextModal([&labels, text](QWidget* w) {
            for (QLabel* l : w->findChildren<QLabel*>())
                if (l->text() == text) labels << (l->textFormat() == Qt::PlainText ? "plain" : "markup");
            static_cast<QDialog*>(w)->reject();
        });
        ask();
        EXPECT_EQ(labels, QStringList{"plain"});
    }
}

TEST(QtPrompter, FileDialogGetsConvertedFiltersFolderAndExtension) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("page.htm"), "x");
    QtPrompter p;
    Prompter::FileRequest r;
    r.caption = "Open a Page";
    r.filter = "HTML Files (*.htm)|*.htm;*.html|All Files (*.*)|*.*";
    r.filterIndex = 2;
    r.initialDir = QString::fromStdString(dir.path().string());
    r.defaultExt = "htm";
    onNextModal([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Open a Page");
        EXPECT_EQ(d->nameFilters(), (QStringList{"HTML Files (*.htm *.html)", "All Files (*)"}));
        EXPECT_EQ(d->selectedNameFilter(), "All Files (*)");
        EXPECT_EQ(d->defaultSuffix(), "htm");
        EXPECT_EQ(d->directory().absolutePath(), r.initialDir);
        d->selectFile(QString::fromStdString(dir.file("page.htm").string()));
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(p.openFiles(r), QStringList{QString::fromStdString(dir.file("page.htm").string())});
}

// A name typed without an extension gets the extension of the filter
// selected when the dialog is accepted.
TEST(QtPrompter, SaveDialogAddsTheSelectedFiltersExtension) {
    qmtest::TempDir dir;
    QtPrompter p;
    Prompter::FileRequest r;
    r.filter = "HTML Document (*.html)|*.html|Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    r.initialDir = QString::fromStdString(dir.path().string());
    const QString folder = QString::fromStdString(dir.path().string()) + "/";
    const struct {
        int filter;  // 0: as the dialog opens
        QString typed, expected;
    } cases[] = {
        {0, "page", "page.html"},
        {2, "page", "page.txt"},
        {3, "page", "page"},
        {2, "page.htm", "page.htm"},
    };
    for (const auto& c : cases) {
        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            // Choose the filter in the dialog's file-type box as a user would.
            auto* types = d->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            for (int i = 1; i < c.filter; ++i) QTest::keyClick(types, Qt::Key_Down);
            if (c.filter > 0) {
                ASSERT_EQ(d->selectedNameFilter(), d->nameFilters().value(c.filter - 1));
            }
            auto* name = d->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(c.typed);
            QMetaObject::invokeMethod(d, "accept");
        });
        EXPECT_EQ(p.saveFile(r), folder + c.expected) << c.filter;
    }
}
