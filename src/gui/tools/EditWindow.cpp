#include "gui/tools/EditWindow.h"

#include "model/Messages.h"
#include "gui/Placement.h"
#include "shell/Prompts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace swted {

namespace {

QPlainTextEdit *ListingField(const QString &name, QWidget *parent)
{
    auto *field = new QPlainTextEdit(parent);
    field->setObjectName(name);
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return field;
}

// A CR LF text as the lines of a text field.
QString AsFieldText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    return t;
}

// The longest start of a line that fits the width (at least one character,
// so that printing always moves on).
qsizetype FittingLength(const QFontMetricsF &fm, const QString &line, qreal width)
{
    qsizetype lo = 1, hi = line.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fm.horizontalAdvance(line.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

} // namespace

EditWindow::EditWindow(Prompts &prompts, QWidget *parent)
    : QWidget(parent, Qt::Window), prompts(prompts), printerSource(&EditWindow::DefaultPrinter)
{
    setObjectName(QStringLiteral("EditWindow"));
    setWindowTitle(QStringLiteral("Edit File"));
    OpSw = ListingField(QStringLiteral("OpSw"), this);
    OpSw->setAccessibleName(QStringLiteral("The file as read"));
    FileText = ListingField(QStringLiteral("FileText"), this);
    FileText->setAccessibleName(QStringLiteral("The file as laid out from the switches"));

    Command2 = new QPushButton(QStringLiteral("&Print Settings"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("E&xit from Test"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command2, &QPushButton::clicked, this, &EditWindow::PrintSettings);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    auto *texts = new QHBoxLayout;
    texts->addWidget(OpSw, 1);
    texts->addWidget(FileText, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);

    // Room for two listings of about 80 columns and 30 lines, within the screen.
    const QFontMetrics fm(OpSw->font());
    QSize size(2 * (fm.horizontalAdvance(QLatin1Char('0')) * 82 + 40), fm.lineSpacing() * 32 + 80);
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(s->availableGeometry().size() * 0.9);
    resize(size);
    CentreOnScreen(this);
}

void EditWindow::SetListing(const TestListing &listing)
{
    OpSw->setPlainText(AsFieldText(listing.OpSw));
    FileText->setPlainText(AsFieldText(listing.FileText));
}

std::unique_ptr<QPrinter> EditWindow::DefaultPrinter()
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            return nullptr;
        info = all.first();
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QVector<FontFamily> InstalledFontFamilies()
{
    QVector<FontFamily> fonts;
    for (const QString &family : QFontDatabase::families())
        fonts.append(FontFamily{family, QFontDatabase::isFixedPitch(family)});
    return fonts;
}

void EditWindow::PrintSettings()
{
    const QString text = FileText->toPlainText();
    const QString family = ChoosePrinterFont(InstalledFontFamilies());
    std::unique_ptr<QPrinter> printer = printerSource ? printerSource() : nullptr;
    if (printer) {
        BusyCursor busy(prompts);
        if (!PrintListing(*printer, text, family).ok)
            prompts.Inform(QStringLiteral("The listing could not be printed on ") + printer->printerName()
                           + QStringLiteral("."));
        return;
    }

    // No printer: the printout can still go to a PDF file.
    const Answer a = prompts.ShowMessage(
        Message{QStringLiteral("No printer is installed.") + QLatin1Char('\r')
                    + QStringLiteral("Save the printout as a PDF file instead?"),
                ApplicationTitle, MessageButtons::YesNo, MessageIcon::Exclamation});
    if (a != Answer::Yes)
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Save Printout As PDF");
    request.filter = QStringLiteral("PDF Files|*.pdf");
    request.directory = QFileInfo(pdfName).path();
    request.fileName = pdfName;
    const std::optional<QString> chosen = prompts.GetSaveFileName(request);
    if (!chosen)
        return;
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path)
        && prompts.ShowMessage(Message{msg::OverwriteQuestion(path), ApplicationTitle, MessageButtons::YesNo,
                                       MessageIcon::Exclamation})
            != Answer::Yes)
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    BusyCursor busy(prompts);
    if (!PrintListing(pdf, text, family).ok)
        prompts.Inform(QStringLiteral("The printout could not be written to ") + path + QStringLiteral("."));
}

Printout PrintListing(QPrinter &printer, const QString &text, const QString &family)
{
    Printout out;
    out.family = family;
    // The half-inch offset, from the left and the top edge, and as much room
    // on the right and at the bottom.
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    QFont font(family);
    font.setPointSize(10);
    QPainter painter;
    if (!painter.begin(&printer))
        return out;
    painter.setFont(font);
    const QFontMetricsF fm(painter.font(), &printer);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const qreal width = area.width();
    const qreal height = area.height();

    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the end of the last line

    out.pages.append(QStringList());
    qreal y = 0;
    auto printRow = [&](const QString &row) {
        if (y > 0 && y + fm.height() > height) {
            printer.newPage();
            out.pages.append(QStringList());
            y = 0;
        }
        painter.drawText(QPointF(0, y + fm.ascent()), row);
        out.pages.last().append(row);
        y += fm.lineSpacing();
    };
    for (QString line : lines) {
        if (line.isEmpty()) {
            printRow(line);
            continue;
        }
        while (!line.isEmpty()) {
            qsizetype n = line.size();
            if (fm.horizontalAdvance(line) > width) {
                n = FittingLength(fm, line, width);
                // Break after the last whole word (or number) that fits, so
                // that values stay whole and keep their columns.
                for (qsizetype p = n; p > 0; --p) {
                    if (line[p] == QLatin1Char(' ') && line[p - 1] != QLatin1Char(' ')) {
                        n = p;
                        break;
                    }
                }
            }
            printRow(line.left(n));
            line.remove(0, n);
        }
    }
    out.ok = painter.end();
    return out;
}

} // namespace swted
