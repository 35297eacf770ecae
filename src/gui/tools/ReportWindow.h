#pragma once

#include "settings/SettingsReport.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QPrinter;
class QPushButton;
class QTextBrowser;

namespace swted {

class Prompts;

// Lays the report's HTML out on the printer's pages, in its paper size with
// margins of 15 mm (12 mm at the foot), each page with the report's title
// and "Page N of M" at its foot. False with the reason when the printer
// cannot be started or a page cannot be begun.
bool PrintReport(QPrinter &printer, const QString &html, QString *error);

// The report as a PDF file of A4 pages: made in a temporary folder, then
// written over path as WriteReportFile does (all or nothing). False with
// the reason when the PDF cannot be made or the file cannot be written.
// Needs a QGuiApplication.
bool WriteReportPdf(const QString &html, const QString &path, QString *error, bool force = false);

// "Settings Report": the report of the file being edited, shown as it will
// be saved or printed, with "Only non-default settings", and saving as PDF
// or HTML and printing. Its file dialogs and messages go through the
// prompts.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(Prompts &prompts, SettingsReportInput input, QWidget *parent = nullptr);

    QString Html() const;
    void SavePdf();
    void SaveHtml();
    // Prints on the default printer; without one it offers a PDF file.
    void Print();

    // Where printing goes: the default printer, or nothing when no printer
    // is installed. Tests print to a PDF file instead.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    void SetPrinterSource(PrinterSource source) { printerSource = std::move(source); }

    QCheckBox *nonDefault = nullptr; // "Only non-default settings"
    QTextBrowser *preview = nullptr;
    QPushButton *savePdf = nullptr;
    QPushButton *saveHtml = nullptr;
    QPushButton *print = nullptr;
    QPushButton *closeButton = nullptr;

private:
    void ShowReport();
    // The name the save dialog proposes (beside the options file), and the
    // name chosen, with the extension added when it has none; nothing when
    // the user cancels or will not overwrite.
    std::optional<QString> ChooseFile(const QString &title, const QString &filter, const QString &extension);
    void Failed(const QString &text);

    Prompts &prompts;
    SettingsReportInput input;
    PrinterSource printerSource;
};

} // namespace swted
