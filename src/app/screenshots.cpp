// Writes a PNG of the main window with each page and sub-page, opened on an
// options file, plus the tip windows, the example window, the settings report
// (its window and the first page of its PDF) and the About window.
// Usage: swted-screenshots OUTDIR [FILE]
#include "pages/PageTable.h"
#include "gui/pages/PageWindow.h"
#include "gui/pages/TipWindow.h"
#include "gui/pages/XSpecial_1View.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "gui/tools/AboutWindow.h"
#include "gui/tools/Example73Window.h"
#include "gui/tools/EditWindow.h"
#include "gui/tools/FindWindow.h"
#include "gui/tools/ReportWindow.h"
#include "tools/SwitchLocations.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QToolTip>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <cstdio>

using namespace swted;

namespace {

QString Slug(const QString &caption)
{
    return caption.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

void Save(QWidget *w, const QString &path)
{
    QApplication::processEvents();
    w->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// What the screen shows around a window: its frame and whatever floats
// above it (a tooltip, the search results). Without a screen to grab, the
// window alone.
void SaveScreen(QWidget *w, const QString &path)
{
    QApplication::processEvents();
    QRect area = w->frameGeometry();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != w && top->isVisible() && (top->windowFlags() & Qt::ToolTip) == Qt::ToolTip)
            area = area.united(top->frameGeometry());
    }
    QScreen *screen = w->screen();
    QPixmap shot = screen ? screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()) : QPixmap();
    if (shot.isNull())
        shot = w->grab();
    shot.save(path);
    std::printf("%s\n", qPrintable(path));
}

// The find window on its own: a search from it goes nowhere.
struct NoPages : SwitchPages {
    int PageOnScreen() const override { return -1; }
    void UnloadPageOnScreen() override {}
    void OpenPage(int) override {}
    void BringSubPageForward(int, int) override {}
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Usage: swted-screenshots OUTDIR [FILE]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                  : QCoreApplication::applicationDirPath() + QStringLiteral("/../examples/PLANT.OPT");
    // The TORVA buttons of the specials page are there only when asked for.
    qputenv("TORVA_SWITCHES", "ON");
    ScriptedPrompts prompts;
    prompts.defaultAnswer = Answer::No;
    Editor editor(prompts);
    MainWindow window(editor);
    if (!window.StartUp(file))
        return 3;
    window.show();
    for (const QString &m : prompts.texts())
        std::fprintf(stderr, "message: %s\n", qPrintable(m));

    PageWindow *page = window.ActivePage();
    for (int position = 1; position <= PageCount && page; ++position) {
        for (const PageEntry &entry : PageTable) {
            if (entry.stripPosition != position)
                continue;
            if (entry.index != page->Definition().index) {
                if (!window.GoToPage(page, entry.index))
                    continue;
                page = window.ActivePage();
            }
            for (int k = 1; k <= page->Definition().subPages; ++k) {
                page->ShowSubPage(k);
                Save(&window, QStringLiteral("%1/%2-%3.png").arg(out, Slug(QString::fromLatin1(entry.caption))).arg(k));
            }
            if (auto *specials = qobject_cast<XSpecial_1View *>(page)) {
                // The TORVA window, shot while it is open and closed again.
                QTimer::singleShot(0, specials, [&out] {
                    if (QWidget *torva = QApplication::activeModalWidget()) {
                        Save(torva, out + QStringLiteral("/torva.png"));
                        torva->close();
                    }
                });
                specials->ShowTorvaWindow();
            }
            for (const TipEntry &tip : page->Definition().tips) {
                window.ShowSwitchTip(tip.switchText, tip.text, tip.height, tip.width);
                Save(window.Tip(), QStringLiteral("%1/tip-%2.png").arg(out, tip.label));
            }
            // The example of the enclosure styles, opened by its help label.
            if (QWidget *help = page->Widget(QStringLiteral("HelpOS73"))) {
                page->ShowSubPage(1);
                QMetaObject::invokeMethod(help, "clicked");
                if (auto *example = window.findChild<Example73Window *>(QStringLiteral("Example_73"))) {
                    Save(example, out + QStringLiteral("/example-73.png"));
                    example->close();
                }
            }
        }
    }
    // Everyday editing on the first page: a list changed (its marker, the
    // tab's and the status bar's), its tooltip, and the search results.
    if (window.Tip())
        window.Tip()->close();
    if (window.GoToPage(window.ActivePage(), 0)) {
        PageWindow *first = window.ActivePage();
        QComboBox *list = nullptr;
        for (QComboBox *l : first->findChildren<QComboBox *>()) {
            if (l->isEnabled() && l->isVisible() && l->count() > 1 && first->Definition().Control(l->objectName())) {
                list = l;
                break;
            }
        }
        if (list) {
            list->setFocus();
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
            emit list->activated(list->currentIndex());
            SaveScreen(&window, out + QStringLiteral("/changed.png"));
            QToolTip::showText(list->mapToGlobal(QPoint(list->width() / 2, list->height())), list->toolTip(), list);
            SaveScreen(&window, out + QStringLiteral("/tooltip.png"));
            QToolTip::hideText();
            // Its context menu: back to the file's value or the default, and
            // the setting's key.
            QTimer::singleShot(300, &window, [&window, out] {
                SaveScreen(&window, out + QStringLiteral("/context-menu.png"));
                if (QWidget *menu = QApplication::activePopupWidget())
                    menu->close();
            });
            emit list->customContextMenuRequested(QPoint(list->width() / 2, list->height() / 2));
            window.UndoCommand();
        }
        if (auto *field = window.findChild<QLineEdit *>(QStringLiteral("txtSearchSettings"))) {
            field->setText(QStringLiteral("text size"));
            window.ShowSearchResults(field->text());
            SaveScreen(&window, out + QStringLiteral("/search-results.png"));
            // A filter: the settings not at their default.
            field->setText(QStringLiteral("@non-default"));
            window.ShowSearchResults(field->text());
            SaveScreen(&window, out + QStringLiteral("/search-filter.png"));
            field->clear();
            if (QWidget *results = window.findChild<QWidget *>(QStringLiteral("lstSearchResults")))
                results->hide();
        }
        // A comparison with another bundled example: the Differences panel,
        // and the first difference's page with its markers.
        const QString other = QFileInfo(file).absoluteDir().filePath(
            QFileInfo(file).suffix().compare(QStringLiteral("OPT"), Qt::CaseInsensitive) == 0 ? QStringLiteral("../PLANT.OPL")
                                                                                             : QStringLiteral("../PLANT.OPT"));
        if (QFileInfo::exists(other)) {
            prompts.dialogResults.push_back(QDir::cleanPath(other));
            window.CompareWithCommand();
            if (window.Comparing() && !window.CurrentComparison().settings.isEmpty()) {
                const SettingDifference &first = window.CurrentComparison().settings.first();
                window.ChooseSetting(first.setting->page, first.setting->control->subPage, first.setting->control->name);
                SaveScreen(&window, out + QStringLiteral("/compare.png"));
            }
            window.EndComparison();
        }
    }

    // The find window, and the page it finds for switch 78.
    {
        NoPages none;
        FindWindow find(prompts, none, &window);
        find.Text1->setText(QStringLiteral("78"));
        find.show();
        Save(&find, out + QStringLiteral("/find.png"));
    }
    QTimer::singleShot(0, &window, [] {
        if (auto *find = qobject_cast<FindWindow *>(QApplication::activeModalWidget())) {
            find->Text1->setText(QStringLiteral("78"));
            find->Find->click();
        }
    });
    window.FindCommand();
    Save(&window, out + QStringLiteral("/find-78.png"));

    // The testing listing in the edit window, and its printout.
    window.ShowTestListing();
    if (EditWindow *edit = window.Edit()) {
        edit->FileText->horizontalScrollBar()->setValue(0);
        Save(edit, out + QStringLiteral("/edit-window.png"));
        const QString pdf = out + QStringLiteral("/edit-printout.pdf");
        edit->SetPrinterSource([pdf] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setPageSize(QPageSize(QPageSize::A4));
            return printer;
        });
        edit->PrintSettings();
        std::printf("%s\n", qPrintable(pdf));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
            QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                                                           out + QStringLiteral("/edit-printout")});
            std::printf("%s\n", qPrintable(out + QStringLiteral("/edit-printout-*.png")));
        }
        edit->close();
    }

    // The settings report, and the first page of its PDF.
    {
        ReportWindow report(prompts, SettingsReportInputOf(editor, false), &window);
        report.show();
        Save(&report, out + QStringLiteral("/report-dialog.png"));
        const QString pdf = out + QStringLiteral("/report.pdf");
        QString error;
        if (!WriteReportPdf(report.Html(), pdf, &error)) {
            std::fprintf(stderr, "report: %s\n", qPrintable(error));
        } else {
            std::printf("%s\n", qPrintable(pdf));
            if (!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
                QProcess::execute(QStringLiteral("pdftoppm"),
                                  {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-singlefile"),
                                   pdf, out + QStringLiteral("/report-1")});
                std::printf("%s\n", qPrintable(out + QStringLiteral("/report-1.png")));
            }
        }
    }

    AboutWindow about(window.VersionText(), editor.ProgramDirectory, &window);
    about.show();
    Save(&about, out + QStringLiteral("/about.png"));
    return 0;
}
