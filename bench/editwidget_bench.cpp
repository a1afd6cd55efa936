// The editing widget on a 20 MB HTML file: the time from a key event to the
// end of the repaint it causes, for typing one character, Page Down and
// Ctrl+End, with word wrap off and on. Drives the real widget on the
// offscreen platform; prints medians per mode and, last, the worst of both:
//   median repaint ms: keystroke K, page down P, jump to end J
// Not a test: timings depend on the machine. Usage: editwidget_bench [MB]
// [--one-line] [--colour]: with --one-line the file is one line of MB
// megabytes of minified HTML, and the keystroke goes to the middle of that
// line; with --colour HTML colouring is on, and two more cases press Enter
// at the top (every later paragraph moves) and type "<!--" there, which
// changes the scanner state of every later paragraph.

#include "HtmlGenerator.h"
#include "TTextEditControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// Counts paints of the viewport, so every sample proves it repainted.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void press(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &up);
}

struct Result {
    double keystroke = 0, pageDown = 0, jumpToEnd = 0;
};

// Runs `prepare` untimed, then times `act` up to the end of the repaint it causes.
double timeSamples(PaintCounter& counter, int samples, const std::function<void()>& prepare,
                   const std::function<void()>& act) {
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        prepare();
        QApplication::processEvents();
        const int paintsBefore = counter.paints;
        const auto t0 = std::chrono::steady_clock::now();
        act();
        QApplication::processEvents();  // delivers the update request: the repaint
        const auto t1 = std::chrono::steady_clock::now();
        if (counter.paints == paintsBefore) {
            std::fprintf(stderr, "no repaint after the key: the sample would measure nothing\n");
            std::exit(2);
        }
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return median(ms);
}

Result runMode(TTextEditControl& w, PaintCounter& counter, bool wrap, bool oneLine) {
    w.setWordWrap(wrap);
    w.setWrapToWindow(wrap);
    QApplication::processEvents();
    const int samples = 31;
    Result r;
    QWidget* target = &w;
    r.keystroke = timeSamples(
        counter, samples,
        [&] {
            if (oneLine && !wrap) w.SetCaret(1, static_cast<int>(w.GetParagraphText(1).size() / 2));
            else w.SetCaret(w.LineCount() / 2, 1);
        },
        [&] { press(target, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")); });
    r.pageDown = timeSamples(
        counter, samples, [&] {},
        [&] { press(target, Qt::Key_PageDown, Qt::NoModifier); });
    r.jumpToEnd = timeSamples(
        counter, samples, [&] { press(target, Qt::Key_Home, Qt::ControlModifier); },
        [&] { press(target, Qt::Key_End, Qt::ControlModifier); });
    std::printf("word wrap %-3s (%d lines): keystroke %.2f ms, page down %.2f ms, jump to end %.2f ms\n",
                wrap ? "on" : "off", w.LineCount(), r.keystroke, r.pageDown, r.jumpToEnd);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    bool oneLine = false, colour = false;
    for (int i = 2; i < argc; ++i) {
        oneLine = oneLine || std::string(argv[i]) == "--one-line";
        colour = colour || std::string(argv[i]) == "--colour";
    }

    const auto file = std::filesystem::temp_directory_path() /
                      ("quillmar-editwidget-bench-" + std::to_string(QCoreApplication::applicationPid()) + ".html");
    const bench::HtmlFileStats stats =
        oneLine ? bench::writeLongLineHtmlFile(file.string(), 1, std::uint64_t(megabytes) * 1000000, 20240611)
                : bench::writeHtmlFile(file.string(), std::uint64_t(megabytes) << 20, 20240611);

    TTextEditControl w;
    w.resize(1000, 800);
    w.setWantTab(true);
    w.show();
    w.setFocus();
    w.setSyntaxColouring(colour);
    PaintCounter counter;
    w.viewport()->installEventFilter(&counter);

    const auto t0 = std::chrono::steady_clock::now();
    const qm::FileResult loaded = w.LoadFromFile(file.string());
    const auto t1 = std::chrono::steady_clock::now();
    std::filesystem::remove(file);
    if (!loaded.ok) {
        std::fprintf(stderr, "cannot load the file: %s\n", loaded.message.c_str());
        return 1;
    }
    std::printf("file: %llu bytes, %llu lines; loaded in %.0f ms; %d visible lines, %d columns\n",
                static_cast<unsigned long long>(stats.bytes), static_cast<unsigned long long>(stats.lines),
                std::chrono::duration<double, std::milli>(t1 - t0).count(), w.VisibleLines(), w.VisibleColumns());

    const Result off = runMode(w, counter, false, oneLine);
    const Result on = runMode(w, counter, true, oneLine);
    double keystroke = std::max(off.keystroke, on.keystroke);
    if (colour) {
        // Enter at the top: the states kept for the paragraphs below move
        // down one, so the first look at the end after it scans only up to
        // the first paragraph that starts as it did.
        const double enter = timeSamples(
            counter, 31, [&] { press(&w, Qt::Key_Home, Qt::ControlModifier); },
            [&] { press(&w, Qt::Key_Return, Qt::NoModifier); });
        const double enterToEnd = timeSamples(
            counter, 31,
            [&] {
                press(&w, Qt::Key_Home, Qt::ControlModifier);
                press(&w, Qt::Key_Return, Qt::NoModifier);
                QApplication::processEvents();
            },
            [&] { press(&w, Qt::Key_End, Qt::ControlModifier); });
        std::printf("Enter at the top: keystroke %.2f ms, then the first jump to end %.2f ms\n", enter, enterToEnd);
        keystroke = std::max(keystroke, enter);
        // The last "-" of "<!--" at the top: every later paragraph is now comment.
        const double comment = timeSamples(
            counter, 31,
            [&] {
                w.SetCaret(1, 1);
                for (const char* k : {"<", "!", "-"}) press(&w, Qt::Key_unknown, Qt::NoModifier, QString::fromLatin1(k));
                QApplication::processEvents();
            },
            [&] { press(&w, Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-")); });
        // The first look at the end after that scans every paragraph once.
        const auto e0 = std::chrono::steady_clock::now();
        press(&w, Qt::Key_End, Qt::ControlModifier);
        QApplication::processEvents();
        const double toEnd = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - e0).count();
        std::printf("comment opened at the top: keystroke %.2f ms, then the first jump to end %.0f ms; "
                    "colouring memory %.0f bytes per MB of text\n",
                    comment, toEnd, double(w.htmlColorizer().memoryBytes()) / (double(stats.bytes) / 1e6));
        keystroke = std::max(keystroke, comment);
    }
    std::printf("median repaint ms: keystroke %.2f, page down %.2f, jump to end %.2f\n", keystroke,
                std::max(off.pageDown, on.pageDown), std::max(off.jumpToEnd, on.jumpToEnd));
    return 0;
}
