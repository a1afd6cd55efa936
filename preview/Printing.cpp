#include "Printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "Prompter.h"
#include "SourcePrint.h"

QPrinter& sharedPrinter() {
    static std::unique_ptr<QPrinter> printer;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty()) printer->setOutputFormat(QPrinter::PdfFormat);
    }
    return *printer;
}

bool choosePdfWithoutPrinter(QPrinter& printer) {
    const bool noPrinter = printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName().isEmpty()
                                                                            : printer.outputFileName().isEmpty();
    if (!noPrinter) return true;
    Prompter::FileRequest r;
    r.caption = QStringLiteral("Print to PDF File");
    r.filter = QStringLiteral("PDF files|*.pdf|all files|*.*");
    r.defaultExt = QStringLiteral("pdf");
    const QString file = Prompter::current().saveFile(r);
    if (file.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

QString printSourceLines(QPrinter& printer, const QFont& font, const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) return QStringLiteral("The printer could not be opened.");
    QFont f(font, painter.device());
    painter.setFont(f);
    const QFontMetrics fm(f, painter.device());
    const QRect area = painter.viewport();
    const int lineHeight = std::max(1, fm.lineSpacing());
    // The editor's font is fixed pitch: the widest common character sets
    // how many fit a row.
    const int charWidth = std::max(1, fm.horizontalAdvance(QLatin1Char('W')));
    const int columns = std::max(1, area.width() / charWidth);
    const int perPage = sourceprint::rowsPerPage(area.height(), lineHeight);
    int row = 0;
    QString error;
    for (const std::string& line : lines) {
        for (const std::string& r : sourceprint::rowsOf(line, columns)) {
            if (row == perPage) {
                if (!printer.newPage()) {
                    error = QStringLiteral("The printer could not start a new page.");
                    break;
                }
                row = 0;
            }
            painter.drawText(0, row * lineHeight + fm.ascent(), QString::fromUtf8(r.data(), qsizetype(r.size())));
            ++row;
        }
        if (!error.isEmpty()) break;
    }
    if (!painter.end() && error.isEmpty()) error = QStringLiteral("The printed pages could not be finished.");
    return error;
}
