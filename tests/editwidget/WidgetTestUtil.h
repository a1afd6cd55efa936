#pragma once
// A shown, focused TTextEditControl on the offscreen platform, driven with
// QTest key and mouse events.

#include "TTextEditControl.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class EditWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        w = std::make_unique<TTextEditControl>();
        w->resize(420, 300);
        w->show();
        w->activateWindow();
        w->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    std::string text() const { return w->editor().store().text(); }
    std::pair<int, int> caret() const {
        int col = 0;
        const int line = w->GetCaret(col);
        return {line, col};
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(w.get(), k, m); }
    // Types characters as a keyboard would (any Unicode, one event each).
    void typeText(const QString& s) {
        for (const QChar c : s) QTest::sendKeyEvent(QTest::Click, w.get(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void setText(const std::string& bytes) {
        w->ClearAll();
        ASSERT_EQ(w->InsertText(std::string_view(bytes)), 0);
        w->SetCaret(1, 1);
    }
    // The centre of the character cell at display line / display column (from 1).
    QPoint cellCenter(int line, int column) const {
        const int row = line - w->editor().TopLine();
        const double x = w->LeftMargin() + (column - 1 - w->editor().LeftColumn() + 0.5) * w->charWidth();
        return QPoint(static_cast<int>(x), row * w->lineHeight() + w->lineHeight() / 2);
    }

    std::unique_ptr<TTextEditControl> w;
};
