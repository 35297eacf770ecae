// The change markers as the user meets them: what their tooltips say of
// the file's value, where they stand on every page (beside every control,
// page-built ones too, and over nothing else), and the names screen readers
// announce for lists and fields.
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"
#include "gui/pages/PageWindow.h"
#include "gui/MainWindow.h"
#include "MainWindowFixture.h"
#include "pages/PageHarness.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {

QWidget *MarkerOf(PageWindow *page, const QString &control)
{
    return page->findChild<QWidget *>(QStringLiteral("mark_") + control);
}

// Each page laid out with user text sizes, so that their fields show too.
template <class Visit> void OnEveryPage(Visit visit)
{
    for (int index = 0; index < PageCount; ++index) {
        if (!PageDescriptionOf(index))
            continue;
        PageHarness h(index);
        h.Set(4, 25);
        h.Set(27, 25);
        h.Layout();
        visit(h);
    }
}

} // namespace

class TestMarkerWords : public QObject, protected MainWindowFixture {
    Q_OBJECT

    PageWindow *Page() { return window->ActivePage(); }
    void ClickTab(const QString &caption)
    {
        QTabBar *tabs = Page()->TabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        }
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // A change made as the user makes it: the control's dot shows and says
    // what the file holds, in the control's own words.
    void tooltipSaysTheFileValue_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed"); // a field's new text; else the next item, a tick or another option
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("unmarked"); // a control that shows as in the file still
        QTest::newRow("list") << "Plotted Iso" << "Opt_14_Combo" << ""
                              << "In the file: European A4 paper size (210 x 297 mm)" << "";
        QTest::newRow("check box") << "Plotted Iso" << "Opt_3_Check" << "" << "In the file: ticked" << "";
        QTest::newRow("options") << "Plotted Iso" << "Opt_31_Option_A" << ""
                                 << "In the file: One Plot File for each Drawing" << "";
        QTest::newRow("field") << "Plotted Iso" << "Opt_10_Text" << "12" << "In the file: 5" << "";
        QTest::newRow("page-built box") << "Welding" << "Opt_54_Check" << "" << "In the file: not ticked" << "";
        // The table writes the digit the box is ticked for by one code.
        QTest::newRow("weld table") << "Welding" << "Opt_5354_Option" << ""
                                    << "In the file: Plotted: All Welds, numbered: Offshore Only" << "Opt_54_Check";
        // The box edits the spacing its rule writes: ticking it marks it.
        QTest::newRow("hatching box") << "Iso Style" << "Opt_101_Check" << "" << "In the file: not ticked" << "";
    }
    void tooltipSaysTheFileValue()
    {
        QFETCH(QString, tab);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, words);
        QFETCH(QString, unmarked);
        QVERIFY(window->StartUp(job, prog));
        window->show();
        if (tab != QStringLiteral("Plotted Iso"))
            ClickTab(tab);
        PageWindow *page = Page();
        QCOMPARE(page->Definition().tabCaption, tab);
        if (const ControlEntry *c = page->Definition().Control(control))
            page->ShowSubPage(c->subPage);
        QWidget *mark = MarkerOf(page, control);
        QVERIFY2(mark, qPrintable(control));
        QVERIFY(mark->isHidden());

        QWidget *w = page->Widget(control);
        if (auto *field = qobject_cast<QLineEdit *>(w)) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, typed);
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            const int i = (list->currentIndex() + 1) % list->count();
            list->setCurrentIndex(i);
            emit list->activated(i);
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            PageHarness::Click(box);
        } else {
            QRadioButton *other = nullptr;
            for (QRadioButton *b : page->Options(control)) {
                if (!other && !b->isChecked() && b->isEnabled() && b->isVisible())
                    other = b;
            }
            QVERIFY(other);
            PageHarness::Click(other);
        }
        QVERIFY2(!mark->isHidden(), qPrintable(control));
        QCOMPARE(mark->toolTip(), words);
        QCOMPARE(mark->accessibleDescription(), words);
        if (!unmarked.isEmpty())
            QVERIFY2(MarkerOf(page, unmarked)->isHidden(), qPrintable(unmarked));
    }

    // On every sub-page of every page, each control that edits a switch
    // has its dot, and no dot stands over another widget of its panel or
    // frame (nor closer to one than a few pixels).
    void everyControlMarkedOverNothing()
    {
        OnEveryPage([](PageHarness &h) {
            PageWindow *page = h.page.get();
            for (const ControlEntry &c : page->Definition().controls) {
                const bool edits = c.switchNumber > 0
                    && (c.bind == Bind::Check || c.bind == Bind::Options || c.bind == Bind::List
                        || c.bind == Bind::Text || c.bind == Bind::WholeText || !page->Options(c.name).isEmpty());
                if (edits)
                    QVERIFY2(MarkerOf(page, c.name), qPrintable(page->objectName() + ": no marker for " + c.name));
            }
            QList<QWidget *> marks;
            for (QWidget *w : page->findChildren<QWidget *>()) {
                if (w->objectName().startsWith(QLatin1String("mark_")))
                    marks << w;
            }
            for (int k = 1; k <= page->Definition().subPages; ++k) {
                page->ShowSubPage(k);
                for (QWidget *mark : marks)
                    mark->show();
                for (QLayout *l : page->findChildren<QLayout *>())
                    l->activate();
                QApplication::processEvents();
                for (QWidget *mark : marks) {
                    if (!mark->isVisible())
                        continue;
                    const QRect room = mark->geometry().adjusted(-2, 0, 2, 0);
                    for (QObject *o : mark->parentWidget()->children()) {
                        auto *other = qobject_cast<QWidget *>(o);
                        if (!other || other == mark || other->isWindow() || !other->isVisible())
                            continue;
                        QVERIFY2(!room.intersects(other->geometry()),
                                 qPrintable(QStringLiteral("%1 sub-page %2: %3 over %4 %5")
                                                .arg(page->objectName())
                                                .arg(k)
                                                .arg(mark->objectName(),
                                                     QString::fromLatin1(other->metaObject()->className()),
                                                     other->objectName())));
                    }
                }
            }
        });
    }

    // Screen readers announce every list and field by a name, not only its value.
    void everyListAndFieldNamed()
    {
        OnEveryPage([](PageHarness &h) {
            for (QWidget *w : h.page->findChildren<QWidget *>()) {
                if (!qobject_cast<QComboBox *>(w) && !qobject_cast<QLineEdit *>(w))
                    continue;
                QVERIFY2(!w->accessibleName().trimmed().isEmpty(),
                         qPrintable(h.page->objectName() + ": " + w->objectName() + " has no name"));
            }
        });
    }
};

SWTED_TEST_MAIN(TestMarkerWords)
#include "test_marker_words.moc"
