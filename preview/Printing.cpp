#include "Printing.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPdfWriter>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "DurableFile.h"
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

namespace {

QString paintLines(QPagedPaintDevice& device, const QFont& font, const QColor& color,
                   const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("The printer could not be opened.");
    QFont f(font, painter.device());
    painter.setFont(f);
    painter.setPen(color);
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
                if (!device.newPage()) {
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

QString writePdf(const QString& fileName, const QByteArray& pdf) {
    const durable::WriteResult r =
        durable::writeFile(fileName.toStdString(), std::string_view(pdf.constData(), std::size_t(pdf.size())));
    return r ? QString() : QString::fromStdString(r.message);
}

}  // namespace

QString printSourceLines(QPrinter& printer, const QFont& font, const QColor& color,
                         const std::vector<std::string>& lines) {
    if (printer.outputFormat() != QPrinter::PdfFormat) return paintLines(printer, font, color, lines);
    // A PDF file is made in memory and written like every other file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setCreator(printer.creator());
        const QString error = paintLines(pdf, font, color, lines);
        if (!error.isEmpty()) return error;
    }
    return writePdf(printer.outputFileName(), buffer.data());
}
