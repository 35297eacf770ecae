#include "gui/tools/ReportWindow.h"

#include "gui/Placement.h"
#include "gui/tools/EditWindow.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/TextFile.h"
#include "shell/Prompts.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

namespace swted {

namespace {

const QString ReportTitle = QStringLiteral("Settings Report");

// A heading never stands alone at the foot of a page: one with less room
// under it than a few lines of what it heads begins the next page.
void KeepHeadingsWithText(QTextDocument &doc, qreal pageHeight, qreal room)
{
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 2)
            continue;
        const QRectF r = layout->blockBoundingRect(block);
        const qreal top = std::fmod(r.top(), pageHeight);
        // A page heading heads a panel's heading as well.
        const qreal wanted = r.height() + (level == 2 ? 2 * room : room);
        if (top > 0 && top + wanted > pageHeight) {
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
            // Laid out again as a whole: what Qt lays out again of itself
            // after a change of format leaves blocks further on unplaced.
            doc.markContentsDirty(0, doc.characterCount());
        }
    }
}

} // namespace

bool PrintReport(QPrinter &printer, const QString &html, QString *error)
{
    printer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    QTextDocument doc;
    // Laid out in the printer's own resolution, so that points are points on paper.
    doc.documentLayout()->setPaintDevice(&printer);
    // No ligatures: the text taken from the PDF reads "off", not "o\uFB00".
    QFont plain = doc.defaultFont();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(plain);
    doc.setHtml(html);
    doc.setDocumentMargin(0);
    const QString title = doc.metaInformation(QTextDocument::DocumentTitle);
    if (printer.docName().isEmpty())
        printer.setDocName(title);

    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("the printer could not be started");
        return false;
    }
    QFont footFont(QStringLiteral("DejaVu Sans"));
    footFont.setPointSizeF(7.5);
    const QFontMetricsF foot(footFont, &printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    // The foot line and a line's room above it.
    const QSizeF body(area.width(), area.height() - 2 * foot.lineSpacing());
    doc.setPageSize(body);
    const QFontMetricsF text(QFont(QStringLiteral("DejaVu Sans"), 9), &printer);
    KeepHeadingsWithText(doc, body.height(), 4 * text.lineSpacing());
    const int pages = doc.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            if (error)
                *error = QStringLiteral("page %1 could not be begun").arg(i + 1);
            return false;
        }
        painter.save();
        painter.translate(0, -i * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, i * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        const QRectF footLine(0, area.height() - foot.height(), area.width(), foot.height());
        painter.drawText(footLine, Qt::AlignLeft | Qt::AlignBottom, title);
        painter.drawText(footLine, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages));
    }
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("the printout could not be finished");
        return false;
    }
    return true;
}

bool WriteReportPdf(const QString &html, const QString &path, QString *error, bool force)
{
    // Made aside first: the printer gives no word of a file it could not
    // write, and the file named is to hold the whole report or stay as it was.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        if (error)
            *error = QStringLiteral("no temporary folder for the PDF: ") + folder.errorString();
        return false;
    }
    const QString made = folder.filePath(QStringLiteral("report.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(made);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setCreator(QStringLiteral("Swted"));
        if (!PrintReport(printer, html, error))
            return false;
    }
    QByteArray bytes;
    QString why;
    if (!ReadRegularFile(made, bytes, &why) || !bytes.startsWith("%PDF-")) {
        if (error)
            *error = QStringLiteral("the PDF could not be made") + (why.isEmpty() ? QString() : QStringLiteral(" (") + why + QLatin1Char(')'));
        return false;
    }
    return WriteReportFile(path, bytes, error, force);
}

ReportWindow::ReportWindow(Prompts &prompts, SettingsReportInput input, QWidget *parent)
    : QDialog(parent), prompts(prompts), input(std::move(input)), printerSource(&EditWindow::DefaultPrinter)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(ReportTitle);

    preview = new QTextBrowser(this);
    preview->setObjectName(QStringLiteral("txtReport"));
    preview->setAccessibleName(QStringLiteral("The report"));
    preview->setOpenLinks(false);

    nonDefault = new QCheckBox(QStringLiteral("Only &non-default settings"), this);
    nonDefault->setObjectName(QStringLiteral("chkNonDefault"));
    nonDefault->setChecked(this->input.nonDefaultOnly);
    // P is Print's: the PDF button takes D.
    savePdf = new QPushButton(QStringLiteral("Save as P&DF..."), this);
    savePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    saveHtml = new QPushButton(QStringLiteral("Save as &HTML..."), this);
    saveHtml->setObjectName(QStringLiteral("cmdSaveHtml"));
    print = new QPushButton(QStringLiteral("&Print..."), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton *b : {savePdf, saveHtml, print, closeButton})
        b->setAutoDefault(false);
    closeButton->setDefault(true);

    connect(nonDefault, &QCheckBox::toggled, this, [this](bool on) {
        this->input.nonDefaultOnly = on;
        ShowReport();
    });
    connect(savePdf, &QPushButton::clicked, this, &ReportWindow::SavePdf);
    connect(saveHtml, &QPushButton::clicked, this, &ReportWindow::SaveHtml);
    connect(print, &QPushButton::clicked, this, &ReportWindow::Print);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(nonDefault);
    buttons->addStretch(1);
    for (QPushButton *b : {savePdf, saveHtml, print, closeButton})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(preview, 1);
    layout->addLayout(buttons);

    ShowReport();
    // About the width of the printed page, as high as the screen allows.
    const QFontMetrics fm(font());
    QSize size(qMax(fm.horizontalAdvance(QLatin1Char('0')) * 110, layout->sizeHint().width()), fm.lineSpacing() * 44);
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(s->availableGeometry().size() * 0.9);
    resize(size);
    CentreOnScreen(this);
}

QString ReportWindow::Html() const { return SettingsReportHtml(input); }

void ReportWindow::ShowReport() { preview->setHtml(Html()); }

std::optional<QString> ReportWindow::ChooseFile(const QString &title, const QString &filter, const QString &extension)
{
    // Beside the options file, named after it with its extension, so that
    // the reports of PLANT.OPT and PLANT.OPL do not take one name.
    QString name = input.filePath.mid(LastSeparator(input.filePath) + 1);
    name.replace(QLatin1Char('.'), QLatin1Char('-'));
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.directory = DirectoryOf(input.filePath);
    request.fileName = request.directory + name + QStringLiteral("-settings") + extension;
    const std::optional<QString> chosen = prompts.GetSaveFileName(request);
    if (!chosen)
        return std::nullopt;
    QString path = *chosen;
    const bool html = extension == QLatin1String(".html");
    if (!path.endsWith(extension, Qt::CaseInsensitive) && !(html && path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)))
        path += extension;
    if (PathExists(path)
        && prompts.ShowMessage(Message{msg::OverwriteQuestion(path), ReportTitle, MessageButtons::YesNo, MessageIcon::Exclamation})
            != Answer::Yes)
        return std::nullopt;
    return path;
}

void ReportWindow::Failed(const QString &text)
{
    prompts.ShowMessage(Message{text, ReportTitle, MessageButtons::Ok, MessageIcon::Exclamation});
}

void ReportWindow::SavePdf()
{
    const std::optional<QString> path =
        ChooseFile(QStringLiteral("Save Report As PDF"), QStringLiteral("PDF Files|*.pdf"), QStringLiteral(".pdf"));
    if (!path)
        return;
    QString error;
    bool done = false;
    {
        BusyCursor busy(prompts);
        done = WriteReportPdf(Html(), *path, &error);
    }
    if (!done)
        Failed(ReportWriteFailed(*path, error));
}

void ReportWindow::SaveHtml()
{
    const std::optional<QString> path = ChooseFile(QStringLiteral("Save Report As HTML"),
                                                   QStringLiteral("HTML Files|*.html"), QStringLiteral(".html"));
    if (!path)
        return;
    QString error;
    if (!WriteReportFile(*path, Html().toUtf8(), &error))
        Failed(ReportWriteFailed(*path, error));
}

void ReportWindow::Print()
{
    std::unique_ptr<QPrinter> printer = printerSource ? printerSource() : nullptr;
    if (!printer) {
        const Answer a = prompts.ShowMessage(Message{QStringLiteral("No printer is installed.") + QLatin1Char('\r')
                                                         + QStringLiteral("Save the report as a PDF file instead?"),
                                                     ReportTitle, MessageButtons::YesNo, MessageIcon::Exclamation});
        if (a == Answer::Yes)
            SavePdf();
        return;
    }
    QString error;
    bool done = false;
    {
        BusyCursor busy(prompts);
        done = PrintReport(*printer, Html(), &error);
    }
    if (!done)
        Failed(QStringLiteral("The report could not be printed on %1: %2.").arg(printer->printerName(), error));
}

} // namespace swted
