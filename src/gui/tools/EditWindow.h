#pragma once

#include "tools/TestListing.h"

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace swted {

class Prompts;

// "Edit File": the testing listing, the file as read on the left and as the
// editor lays it out on the right, and the printing of the right-hand text.
class EditWindow : public QWidget {
    Q_OBJECT
public:
    explicit EditWindow(Prompts &prompts, QWidget *parent = nullptr);

    // Replaces both texts.
    void SetListing(const TestListing &listing);
    // "Print Settings": prints the text of FileText on the default printer.
    // Without a printer it offers to save the printout as a PDF file.
    void PrintSettings();

    // Where printing goes: the default printer, or nothing when no printer
    // is installed. Tests print to a PDF file instead.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    void SetPrinterSource(PrinterSource source) { printerSource = std::move(source); }
    static std::unique_ptr<QPrinter> DefaultPrinter();
    // The name the PDF save dialog proposes.
    void SetPdfName(const QString &path) { pdfName = path; }

    QPlainTextEdit *OpSw = nullptr;
    QPlainTextEdit *FileText = nullptr;
    QPushButton *Command2 = nullptr; // "Print Settings"
    QPushButton *Command1 = nullptr; // "Exit from Test"

private:
    Prompts &prompts;
    PrinterSource printerSource;
    QString pdfName;
};

// What a printout put on paper: the font it used and the lines of each page.
struct Printout {
    bool ok = false;
    QString family;
    QVector<QStringList> pages;
};

// Prints a text line by line (CR LF, CR or LF end a line) in the given font
// family at 10 points, half an inch in from the edges of the paper, on as
// many pages as it needs. A line wider than the paper goes on over the
// next rows rather than being cut off, broken after a word where it can.
Printout PrintListing(QPrinter &printer, const QString &text, const QString &family);

// The fonts a printout may use: the font families installed, in order.
QVector<FontFamily> InstalledFontFamilies();

} // namespace swted
