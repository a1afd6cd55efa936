// Qt's QTextDocument as a plain-text editor uses it: QPlainTextDocumentLayout
// (the layout of QPlainTextEdit), a fixed-pitch font, UTF-8 in and out. Needs
// a QGuiApplication for the font metrics of the layout.

#include "BenchSubject.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace bench {
namespace {

class TextDocumentSubject final : public BenchSubject {
public:
    TextDocumentSubject()
    {
        layout_ = new QPlainTextDocumentLayout(&doc_);  // owned by the document
        doc_.setDocumentLayout(layout_);
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        doc_.setDefaultFont(font);
        QTextOption option = doc_.defaultTextOption();
        option.setWrapMode(QTextOption::NoWrap);
        option.setTabStopDistance(8 * QFontMetricsF(font).horizontalAdvance(QLatin1Char('x')));
        doc_.setDefaultTextOption(option);
    }

    void load(const std::string& path) override
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot open " + path);
        // setPlainText takes CR LF as one block separator and records no undo.
        doc_.setPlainText(QString::fromUtf8(file.readAll()));
    }

    std::int64_t lineCount() override { return doc_.blockCount(); }
    std::size_t lineLength(std::int64_t line) override
    {
        return static_cast<std::size_t>(doc_.findBlockByNumber(static_cast<int>(line)).length() - 1);
    }
    std::string_view lineText(std::int64_t line) override
    {
        buffer_ = doc_.findBlockByNumber(static_cast<int>(line)).text().toStdString();
        return buffer_;
    }

    std::uint64_t readDisplayLine(std::int64_t line) override
    {
        // Wrapping is off, so a display line is a block.
        const QString text = doc_.findBlockByNumber(static_cast<int>(line)).text();
        std::uint64_t sum = 0;
        for (QChar c : text)
            sum += c.unicode();
        return sum;
    }

    std::int64_t rewrap(int column) override
    {
        // The plain-text layout takes its wrap width only from a QPlainTextEdit
        // (the viewport's width), so one is lent to the document for this.
        QPlainTextEdit edit;
        edit.setFrameStyle(QFrame::NoFrame);
        edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit.setFont(doc_.defaultFont());
        edit.setDocument(&doc_);
        edit.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // The layout subtracts the document margin on both sides.
        qreal advance = QFontMetricsF(doc_.defaultFont()).horizontalAdvance(QLatin1Char('x'));
        QSize size(static_cast<int>(column * advance + 2 * doc_.documentMargin() + 0.5), 400);
        QSize old = edit.size();
        edit.resize(size);
        QResizeEvent resize(size, old);  // hidden widgets get theirs only when shown
        QCoreApplication::sendEvent(&edit, &resize);
        // The layout wraps a block when it is first asked about it; ask about
        // every block, as scrolling to the end of the text would.
        std::int64_t lines = 0;
        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            layout_->blockBoundingRect(b);
            lines += b.layout()->lineCount();
        }
        // Give the document back; its layout keeps the width it was given.
        edit.setDocument(nullptr);
        return lines;
    }

    std::int64_t replaceAll(std::string_view from, std::string_view to) override
    {
        const QString needle = QString::fromUtf8(from.data(), static_cast<qsizetype>(from.size()));
        const QString replacement = QString::fromUtf8(to.data(), static_cast<qsizetype>(to.size()));
        std::int64_t count = 0;
        QTextCursor edit(&doc_);
        edit.beginEditBlock();
        QTextCursor found = doc_.find(needle, 0, QTextDocument::FindCaseSensitively);
        while (!found.isNull()) {
            found.insertText(replacement);
            ++count;
            found = doc_.find(needle, found, QTextDocument::FindCaseSensitively);
        }
        edit.endEditBlock();
        return count;
    }

    void clearUndo() override { doc_.clearUndoRedoStacks(); }

    void insertChar(std::int64_t line, std::size_t column, char c) override
    {
        QTextCursor cursor(&doc_);
        cursor.setPosition(doc_.findBlockByNumber(static_cast<int>(line)).position() + static_cast<int>(column));
        cursor.insertText(QString(QLatin1Char(c)));
    }

    void undoOnce() override { doc_.undo(); }

    std::int64_t undoAll() override
    {
        std::int64_t steps = 0;
        while (doc_.isUndoAvailable()) {
            doc_.undo();
            ++steps;
        }
        return steps;
    }

    void save(const std::string& path) override
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot create " + path);
        QByteArray out;
        const QTextBlock last = doc_.lastBlock();
        for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
            if (b == last && b.length() == 1)
                break;
            out += b.text().toUtf8();
            out += "\r\n";
            if (out.size() > (1 << 20)) {
                file.write(out);
                out.clear();
            }
        }
        if (file.write(out) != out.size() || !file.flush())
            throw std::runtime_error("cannot write " + path);
    }

private:
    QTextDocument doc_;
    QPlainTextDocumentLayout* layout_ = nullptr;
    std::string buffer_;
};

}  // namespace

std::unique_ptr<BenchSubject> makeTextDocumentSubject() { return std::make_unique<TextDocumentSubject>(); }

}  // namespace bench
