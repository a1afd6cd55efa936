#pragma once
// Printing through Qt PrintSupport: the printer that Print Setup sets up for
// the main window and the preview window alike, the PDF file that stands in
// for a printer when none is installed, and the text output that prints
// the source lines.

#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <vector>

class QPrinter;

// The one printer of the program (created on first use).
QPrinter& sharedPrinter();

// After the print dialog: with no printer installed and no file chosen,
// asks for the PDF file to print to. False when the user cancels.
bool choosePdfWithoutPrinter(QPrinter& printer);

// Prints the lines in the font and colour, each from the left edge of the
// printable area, a line wider than the page continued on the next printed
// line, a new page when the next line would come within two line heights of
// the bottom. A PDF file is written through the durable-write routine. Returns
// an error text, empty when printed.
QString printSourceLines(QPrinter& printer, const QFont& font, const QColor& color,
                         const std::vector<std::string>& lines);
