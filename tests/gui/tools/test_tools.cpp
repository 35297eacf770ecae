#include "gui/pages/PageWindow.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "gui/tools/EditWindow.h"
#include "gui/tools/FindWindow.h"
#include "tools/SwitchLocations.h"
#include "tools/TestListing.h"
#include "gui/MainWindowFixture.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include "TestRegistry.h"
#include <QtTest>
#include <functional>
#include <memory>

using namespace swted;
using swted::test::ReadBytes;
using swted::test::WriteBytes;

namespace {

QString Shown(const QString &caption)
{
    return QString(caption).remove(QLatin1Char('&'));
}

QString PdfTool(const QString &tool, const QString &path)
{
    QProcess p;
    p.start(tool, {path});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPageCount(const QString &path)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(PdfTool(QStringLiteral("pdfinfo"), path));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QStringList Simplified(const QStringList &rows)
{
    QStringList out;
    for (const QString &r : rows) {
        if (!r.simplified().isEmpty())
            out << r.simplified();
    }
    return out;
}

// A printer that writes a PDF file.
std::unique_ptr<QPrinter> PdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

} // namespace

class TestTools : public QObject, protected swted::test::MainWindowFixture {
    Q_OBJECT


    void Start(const QString &commandLine)
    {
        window = std::make_unique<MainWindow>(*editor);
        QVERIFY(window->StartUp(commandLine, prog));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    PageWindow *Page() const { return window->ActivePage(); }
    int PageIndex() const { return Page() ? Page()->Definition().index : -1; }

    // Opens the find window from the main window, as the Tools menu does,
    // types the text and presses Enter (or clicks Find); records what the
    // window showed.
    struct FindRun {
        QString title, label, initialText, find, quit;
        bool findDefault = false;
        int returnSignals = 0;
        bool modal = false;
        QRect geometry;
    };
    FindRun Find(const QString &text, bool enter = true, std::function<void(FindWindow *)> instead = {})
    {
        FindRun run;
        QTimer::singleShot(0, this, [&] {
            auto *find = qobject_cast<FindWindow *>(QApplication::activeModalWidget());
            QVERIFY(find);
            run.modal = find->isModal();
            run.title = find->windowTitle();
            run.label = find->Label1->text();
            run.initialText = find->Text1->text();
            run.find = find->Find->text();
            run.quit = find->Quit->text();
            run.findDefault = find->Find->isDefault();
            run.geometry = find->frameGeometry();
            if (instead) {
                instead(find);
                return;
            }
            QSignalSpy returns(find->Text1, &QLineEdit::returnPressed);
            QTest::keyClicks(find->Text1, text);
            if (enter)
                QTest::keyClick(find->Text1, Qt::Key_Return);
            else
                QTest::mouseClick(find->Find, Qt::LeftButton);
            run.returnSignals = static_cast<int>(returns.count());
        });
        window->mnuSeaFind->trigger();
        return run;
    }
    void ExpectAt(int index, int subPage)
    {
        QVERIFY(Page());
        QCOMPARE(Page()->objectName(), QString::fromLatin1(PageOfIndex(index).window));
        QCOMPARE(Page()->CurrentSubPage(), subPage);
        QVERIFY(Page()->isVisible());
        int open = 0;
        for (int i = 0; i < PageCount; ++i)
            open += window->PageOpen(i);
        QCOMPARE(open, 1);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(prompts->busyDepth, 0);
    }
    void ExpectNotSupported(const QString &number)
    {
        QCOMPARE(prompts->messages.size(), 1);
        const Message &m = prompts->messages.first();
        QCOMPARE(m.text, "Option Switch Number " + number + " Is Not Supported.");
        QCOMPARE(m.title, QStringLiteral("Find Option Switch"));
        QCOMPARE(m.buttons, MessageButtons::Ok);
        QCOMPARE(m.icon, MessageIcon::None);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(prompts->busyDepth, 0);
        prompts->messages.clear();
    }
    // The switch the control with the focus edits (0 for none).
    int FocusedSwitch()
    {
        const ControlEntry *c = Page() ? Page()->ControlOf(window->focusWidget()) : nullptr;
        return c ? c->switchNumber : 0;
    }
    QString Listing(const QString &text)
    {
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        t.chop(1);
        return t;
    }

private slots:
    void init()
    {
        qunsetenv("OSTESTING");
        SetUp(false);
    }
    void cleanup()
    {
        TearDown();
        qunsetenv("OSTESTING");
    }

    void toolsMenu()
    {
        Start(QString());
        QCOMPARE(window->mnuSeaFind->text(), QStringLiteral("Find &Option Switch"));
        QCOMPARE(window->mnuSeaFind->objectName(), QStringLiteral("mnuSeaFind"));
        QCOMPARE(window->mnuOSTesting->text(), QStringLiteral("O&STesting"));
        QCOMPARE(window->mnuTools->actions().first(), window->mnuSeaFind);
        QVERIFY(window->mnuTools->actions().contains(window->mnuOSTesting));
        QVERIFY(!window->mnuOSTesting->isVisible());
        QVERIFY(!window->mnuTools->menuAction()->isEnabled());
        window.reset();
        Start(job);
        QVERIFY(window->mnuTools->menuAction()->isEnabled());
        QVERIFY(window->mnuSeaFind->isEnabled());
    }

    void findWindow()
    {
        Start(job);
        const FindRun run = Find(QString(), true, [](FindWindow *find) { find->Quit->click(); });
        QVERIFY(run.modal);
        QCOMPARE(run.title, QStringLiteral("Find Option Switch"));
        QCOMPARE(run.label, QStringLiteral("To Jump to the Page containing a particular Option Switch, enter the "
                                           "number of the Switch below and press Find."));
        QCOMPARE(run.initialText, QString());
        QCOMPARE(Shown(run.find), QStringLiteral("Find"));
        QCOMPARE(Shown(run.quit), QStringLiteral("Quit"));
        QVERIFY(run.findDefault);
        // Centred on the screen.
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(qAbs(run.geometry.center().x() - screen.center().x()) <= 2);
        QVERIFY(qAbs(run.geometry.center().y() - screen.center().y()) <= 2);
        // Quit changes nothing.
        ExpectAt(0, 1);
        QVERIFY(prompts->messages.isEmpty());
        // Each opening starts empty.
        QCOMPARE(Find(QString(), true, [](FindWindow *find) { find->Quit->click(); }).initialText, QString());
    }

    // The welding page's own frames: the one found shows, the other two hide.
    void findOnTheWeldingPage()
    {
        Start(job);
        Find(QStringLiteral("53"));
        ExpectAt(3, 1);
        QVERIFY(Page()->findChild<QWidget *>("Frame2")->isVisible());
        QVERIFY(!Page()->findChild<QWidget *>("Frame3")->isVisible());
        QVERIFY(!Page()->findChild<QWidget *>("Frame5")->isVisible());
        Find(QStringLiteral("78"), false);
        ExpectAt(3, 3);
        QVERIFY(!Page()->findChild<QWidget *>("Frame2")->isVisible());
        QVERIFY(!Page()->findChild<QWidget *>("Frame3")->isVisible());
        QVERIFY(Page()->findChild<QWidget *>("Frame5")->isVisible());
        Find(QStringLiteral("77"));
        ExpectAt(3, 2);
        QVERIFY(Page()->findChild<QWidget *>("Frame3")->isVisible());
        QVERIFY(prompts->messages.isEmpty());
    }

    void findOnOtherPages()
    {
        Start(job);
        QVERIFY(window->GoToPage(Page(), 3));
        Find(QStringLiteral("16"));
        ExpectAt(0, 1);
        QVERIFY(Page()->findChild<QWidget *>("Page_1")->isVisible());
        QCOMPARE(FocusedSwitch(), 16); // the found control has the focus
        Page()->ShowSubPage(2);
        Find(QStringLiteral("10"));
        ExpectAt(0, 1);
        Find(QStringLiteral("36.5"));
        ExpectAt(0, 2);
        QVERIFY(Page()->findChild<QWidget *>("Page_2")->isVisible());
        Find(QStringLiteral("12abc"));
        ExpectAt(0, 1);
        Find(QStringLiteral("121"));
        ExpectAt(1, 3);
        QCOMPARE(FocusedSwitch(), 121);
        Find(QStringLiteral("117"));
        ExpectAt(4, 1);
        QCOMPARE(FocusedSwitch(), 117);
        // The pages still to come: found once they are built.
        if (PageAvailable(6)) {
            Find(QStringLiteral("17"));
            ExpectAt(6, 3);
        } else {
            Find(QStringLiteral("17"));
            ExpectNotSupported(QStringLiteral("17"));
        }
        if (PageAvailable(5)) {
            Find(QStringLiteral("  7"));
            ExpectAt(5, 1);
        } else {
            Find(QStringLiteral("  7"));
            ExpectNotSupported(QStringLiteral("7"));
        }
        QVERIFY(prompts->messages.isEmpty());
    }

    // A switch no page edits: the message, the window closes, the page on
    // screen stays as it was.
    void notSupported()
    {
        Start(job);
        Page()->ShowSubPage(2);
        PageWindow *before = Page();
        for (const char *text : {"33", "31.5", "", "200", "-4", "1e3"}) {
            Find(QString::fromLatin1(text));
            const double n = QString::fromLatin1(text).isEmpty() ? 0 : QString::fromLatin1(text).toDouble();
            ExpectNotSupported(QString::number(n));
            QCOMPARE(Page(), before);
            QCOMPARE(Page()->CurrentSubPage(), 2);
        }
        QVERIFY(prompts->maxBusyDepth >= 1);
    }

    // Enter runs Find and goes no further than the window; the field takes
    // any other key.
    void enterRunsFind()
    {
        Start(job);
        const FindRun run = Find(QStringLiteral("78"), true);
        QCOMPARE(run.returnSignals, 0);
        ExpectAt(3, 3);
        QString typed;
        Find(QString(), true, [&](FindWindow *find) {
            QTest::keyClicks(find->Text1, QStringLiteral("a-1 .x"));
            QTest::keyClick(find->Text1, Qt::Key_Left);
            QTest::keyClick(find->Text1, Qt::Key_Backspace);
            typed = find->Text1->text();
            QTest::keyClick(find->Text1, Qt::Key_Enter); // the keypad's Enter
        });
        QCOMPARE(typed, QStringLiteral("a-1 x"));
        ExpectNotSupported(QStringLiteral("0"));
    }

    // The page on screen is stored before the target is laid out: what the
    // user typed on it survives a search for a switch of the same page.
    void findOnThePageOnScreen()
    {
        Start(job);
        QLineEdit *top = Page()->Get<QLineEdit>("Opt_12_Text");
        QTest::keyClick(top, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(top, QStringLiteral("42"));
        QVERIFY(editor->store.GetSwitchValue(12) != 42);
        Find(QStringLiteral("35"));
        ExpectAt(0, 2);
        QCOMPARE(editor->store.GetSwitchValue(12), 42);
        QCOMPARE(Page()->Get<QLineEdit>("Opt_12_Text")->text(), QStringLiteral("42"));
        // And on another page.
        QTest::keyClick(Page()->Get<QLineEdit>("Opt_36_Text"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Page()->Get<QLineEdit>("Opt_36_Text"), QStringLiteral("3"));
        Find(QStringLiteral("69"));
        ExpectAt(4, 1);
        QCOMPARE(editor->store.GetSwitchValue(36) % 10, 3);
        QVERIFY(prompts->messages.isEmpty());
    }

    // With no page on screen the page found opens alone.
    void findWithNoPageOnScreen()
    {
        Start(job);
        window->UnloadPage(Page());
        QVERIFY(!Page());
        Find(QStringLiteral("54"));
        ExpectAt(3, 1);
    }

    // The main window comes to the front again after a search.
    void mainWindowToTheFront()
    {
        Start(job);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        Find(QStringLiteral("53"));
        QTRY_COMPARE(QApplication::activeWindow(), window.get());
        Find(QStringLiteral("56"));
        ExpectNotSupported(QStringLiteral("56"));
        QTRY_COMPARE(QApplication::activeWindow(), window.get());
    }

    // OSTESTING = YES in any case: the menu item, and the listing after
    // every successful read, in one edit window refilled by each run.
    void testingListingAfterEveryRead()
    {
        qputenv("OSTESTING", "yes");
        Start(job);
        QVERIFY(window->TestingTool());
        QVERIFY(window->mnuOSTesting->isVisible());
        EditWindow *edit = window->Edit();
        QVERIFY(edit);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->windowTitle(), QStringLiteral("Edit File"));
        const TestListing listing = BuildTestListing(editor->file, editor->store);
        QCOMPARE(edit->OpSw->toPlainText(), Listing(listing.OpSw));
        QCOMPARE(edit->FileText->toPlainText(), Listing(listing.FileText));
        QVERIFY(ReadBytes(job).endsWith("\r\n"));
        QCOMPARE(edit->OpSw->toPlainText(), Listing(QString::fromLatin1(ReadBytes(job))));
        QCOMPARE(Shown(edit->Command2->text()), QStringLiteral("Print Settings"));
        QCOMPARE(Shown(edit->Command1->text()), QStringLiteral("Exit from Test"));
        QVERIFY(edit->OpSw->font().fixedPitch() || QFontInfo(edit->OpSw->font()).fixedPitch());
        QCOMPARE(edit->OpSw->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(edit->FileText->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(edit->OpSw->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(edit->OpSw->geometry().right() < edit->FileText->geometry().left());

        // Open another file: the same window, refilled.
        const QString other = work->filePath("OTHER.OPL");
        QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPL", other);
        prompts->dialogResults.push_back(other);
        window->OpenOptionsFile();
        QCOMPARE(window->Edit(), edit);
        QCOMPARE(window->findChildren<EditWindow *>().size(), 1);
        QVERIFY(edit->OpSw->toPlainText().startsWith(QStringLiteral("Switch")));
        QCOMPARE(edit->FileText->toPlainText(), Listing(BuildTestListing(editor->file, editor->store).FileText));

        // The menu item runs it again, with the page on screen stored first.
        QTest::mouseClick(edit->Command1, Qt::LeftButton);
        QTRY_VERIFY(!window->Edit());
        QLineEdit *top = Page()->Get<QLineEdit>("Opt_12_Text");
        QTest::keyClick(top, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(top, QStringLiteral("333"));
        window->mnuOSTesting->trigger();
        QVERIFY(window->Edit());
        QVERIFY(window->Edit()->isVisible());
        QVERIFY(window->Edit()->FileText->toPlainText().contains(QRegularExpression(QStringLiteral("\n    12 +333 +"))));
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(prompts->busyDepth, 0);
    }

    void testingListingIsOffUnlessYes()
    {
        for (const char *value : {"Y", "NO", ""}) {
            qputenv("OSTESTING", value);
            Start(job);
            QVERIFY(!window->mnuOSTesting->isVisible());
            QVERIFY(!window->Edit());
            window.reset();
        }
        qunsetenv("OSTESTING");
        Start(job);
        QVERIFY(!window->mnuOSTesting->isVisible());
        QVERIFY(!window->Edit());
        qputenv("OSTESTING", "YES");
        Start(QStringLiteral("/no/such/FILE.OPT"));
        QVERIFY(window->mnuOSTesting->isVisible());
        QVERIFY(!window->Edit()); // nothing was read
    }

    // Printing the right-hand text: the chosen font at 10 points, on as many
    // pages as it needs, every line on paper.
    void printToPdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        qputenv("OSTESTING", "YES");
        Start(job);
        EditWindow *edit = window->Edit();
        const QString pdf = work->filePath("listing.pdf");
        edit->SetPrinterSource([pdf] { return PdfPrinter(pdf); });
        QTest::mouseClick(edit->Command2, Qt::LeftButton);
        QVERIFY(prompts->messages.isEmpty());
        QVERIFY(QFile::exists(pdf));
        const QStringList lines = edit->FileText->toPlainText().split(QLatin1Char('\n'));

        auto printer = PdfPrinter(work->filePath("again.pdf"));
        const QString family = ChoosePrinterFont(InstalledFontFamilies());
        const Printout printout = PrintListing(*printer, edit->FileText->toPlainText(), family);
        QVERIFY(printout.ok);
        QCOMPARE(PdfPageCount(pdf), static_cast<int>(printout.pages.size()));
        QStringList printed;
        for (const QStringList &page : printout.pages)
            printed += page;
        // The block layout's lines are wider than the paper: they go on over
        // the next rows, nothing cut off.
        QVERIFY(printed.size() > lines.size());
        QCOMPARE(printed.join(QString()), lines.join(QString()));
        QCOMPARE(printed.first(), lines.first());
        const QVector<QStringList> text = swted::test::PdfPages(pdf);
        QCOMPARE(text.size(), printout.pages.size());
        for (int i = 0; i < text.size(); ++i)
            QCOMPARE(text[i], Simplified(printout.pages[i]));
        QVERIFY(PdfTool(QStringLiteral("pdffonts"), pdf).contains(QString(family).remove(QLatin1Char(' '))));
        QCOMPARE(prompts->busyDepth, 0);
    }

    // Pages of the printout: about sixty-odd lines of 10 points on A4 with
    // half an inch free at the top and the bottom; a line wider than the
    // paper goes on over the next rows.
    void printoutPages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        const QString family = ChoosePrinterFont(InstalledFontFamilies());
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("line %1").arg(i);
        const QString path = work->filePath("pages.pdf");
        auto printer = PdfPrinter(path);
        const Printout printout = PrintListing(*printer, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), family);
        QVERIFY(printout.ok);
        QCOMPARE(printout.pages.size(), 3);
        QVERIFY(printout.pages[0].size() >= 55 && printout.pages[0].size() <= 72);
        QCOMPARE(printout.pages[1].size(), printout.pages[0].size());
        QCOMPARE(printout.pages[0].size() * 2 + printout.pages[2].size(), 150);
        QCOMPARE(PdfPageCount(path), 3);
        QCOMPARE(swted::test::PdfPages(path)[2].last(), QStringLiteral("line 150"));

        const QString wide = QString(300, QLatin1Char('x')) + QStringLiteral("END");
        auto second = PdfPrinter(work->filePath("wide.pdf"));
        const Printout wrapped = PrintListing(*second, QStringLiteral("a\r\n") + wide + QStringLiteral("\r\n\r\nz"), family);
        QCOMPARE(wrapped.pages.size(), 1);
        const QStringList rows = wrapped.pages[0];
        QVERIFY(rows.size() >= 5);
        QCOMPARE(rows.first(), QStringLiteral("a"));
        QCOMPARE(rows.mid(1, rows.size() - 3).join(QString()), wide);
        QCOMPARE(rows[rows.size() - 2], QString());
        QCOMPARE(rows.last(), QStringLiteral("z"));

        // Rows break after a whole word where they can.
        QStringList fields;
        for (int i = 1; i <= 40; ++i)
            fields << QStringLiteral("%1").arg(i * 1000, 10);
        const QString values = fields.join(QString());
        auto third = PdfPrinter(work->filePath("words.pdf"));
        const QStringList valueRows = PrintListing(*third, values, family).pages.value(0);
        QVERIFY(valueRows.size() >= 3);
        QCOMPARE(valueRows.join(QString()), values);
        for (const QString &row : valueRows) {
            QCOMPARE(row.size() % 10, 0);
            QVERIFY(row.endsWith(QLatin1String("000")));
        }

        auto empty = PdfPrinter(work->filePath("empty.pdf"));
        QCOMPARE(PrintListing(*empty, QString(), family).pages.size(), 1);
        QCOMPARE(PdfPageCount(work->filePath("empty.pdf")), 1);
    }

    // Without a printer: say so and offer a PDF file instead.
    void printWithoutAPrinter()
    {
        qputenv("OSTESTING", "YES");
        Start(job);
        EditWindow *edit = window->Edit();
        edit->SetPrinterSource([] { return std::unique_ptr<QPrinter>(); });
        prompts->answers = {Answer::No};
        QTest::mouseClick(edit->Command2, Qt::LeftButton);
        QCOMPARE(prompts->messages.size(), 1);
        const Message &m = prompts->messages.first();
        QCOMPARE(m.text, QStringLiteral("No printer is installed.\rSave the printout as a PDF file instead?"));
        QCOMPARE(m.title, QStringLiteral("Swted32"));
        QCOMPARE(m.buttons, MessageButtons::YesNo);
        QVERIFY(prompts->dialogs.isEmpty());

        const QString pdf = work->filePath("saved");
        prompts->answers = {Answer::Yes};
        prompts->dialogResults.push_back(pdf);
        QTest::mouseClick(edit->Command2, Qt::LeftButton);
        QCOMPARE(prompts->dialogs.size(), 1);
        QVERIFY(prompts->dialogs.first().save);
        QCOMPARE(prompts->dialogs.first().request.fileName, work->filePath("JOB.pdf"));
        QCOMPARE(prompts->dialogs.first().request.filter, QStringLiteral("PDF Files|*.pdf"));
        QVERIFY(QFile::exists(pdf + ".pdf"));
        QVERIFY(ReadBytes(pdf + ".pdf").startsWith("%PDF"));

        // An existing file is only replaced when the user says so.
        prompts->messages.clear();
        const QByteArray before = ReadBytes(pdf + ".pdf");
        QFile::remove(pdf + ".pdf");
        WriteBytes(pdf + ".pdf", "keep");
        prompts->answers = {Answer::Yes, Answer::No};
        prompts->dialogResults.push_back(pdf + ".pdf");
        QTest::mouseClick(edit->Command2, Qt::LeftButton);
        QCOMPARE(prompts->messages.size(), 2);
        QCOMPARE(prompts->messages[1].text, pdf + ".pdf already exists.\rOverwrite?");
        QCOMPARE(ReadBytes(pdf + ".pdf"), QByteArray("keep"));

        // A file that cannot be written is reported, not taken for done.
        prompts->messages.clear();
        prompts->answers = {Answer::Yes};
        prompts->dialogResults.push_back(work->filePath("no/such/dir/x.pdf"));
        QTest::mouseClick(edit->Command2, Qt::LeftButton);
        QCOMPARE(prompts->messages.size(), 2);
        QCOMPARE(prompts->messages[1].text,
                 "The printout could not be written to " + work->filePath("no/such/dir/x.pdf") + ".");
        QCOMPARE(prompts->busyDepth, 0);
        Q_UNUSED(before);
    }
};

SWTED_TEST_MAIN(TestTools)
#include "test_tools.moc"
