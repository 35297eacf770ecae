// The pages from the keyboard and to assistive technology: Tab in reading
// order, help labels and page arrows that take the focus and click on Space
// or Enter, and that say they are buttons.
#include "TestRegistry.h"
#include "gui/ClickLabel.h"
#include "pages/PageTour.h"
#include "PageHarness.h"

#include <QAccessible>
#include <QApplication>
#include <QStackedWidget>
#include <QTabBar>

using namespace swted;
using namespace swted::test;

namespace {

// The widgets Tab visits on the sub-page on screen, from the tab strip on.
QVector<QWidget *> TabStops(PageWindow *page, QWidget *frame)
{
    QVector<QWidget *> stops;
    QWidget *start = page->TabStrip();
    for (QWidget *w = start->nextInFocusChain(); w && w != start && stops.size() < 2000; w = w->nextInFocusChain()) {
        if (frame->isAncestorOf(w) && w->isVisibleTo(page) && (w->focusPolicy() & Qt::TabFocus))
            stops.append(w);
    }
    return stops;
}

// Where b stands against a, compared as the children of their closest
// common parent: a panel against a panel, a control against a control.
QString OutOfReadingOrder(QWidget *a, QWidget *b)
{
    QWidget *common = a->parentWidget();
    while (common && !common->isAncestorOf(b))
        common = common->parentWidget();
    auto childOf = [common](QWidget *w) {
        while (w->parentWidget() != common)
            w = w->parentWidget();
        return w;
    };
    const QRect ra = childOf(a)->geometry();
    const QRect rb = childOf(b)->geometry();
    const int level = 8; // tops this close stand on one line
    if (rb.bottom() < ra.top())
        return QStringLiteral("goes back up");
    if (qAbs(rb.top() - ra.top()) <= level && rb.center().x() < ra.center().x())
        return QStringLiteral("goes back left");
    return QString();
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    // On every sub-page of every page Tab goes from the tab strip through
    // every control, help label and arrow of the sub-page, panel by panel
    // as the grid places them, each panel top to bottom, never back up.
    void tabFollowsReadingOrder()
    {
        for (int index : AvailablePagesInStripOrder()) {
            PageHarness h(index);
            h.Layout();
            const PageDescription &d = h.page->Definition();
            for (int k = 1; k <= d.subPages; ++k) {
                h.page->ShowSubPage(k);
                Settle();
                QWidget *frame = h.page->findChildren<QStackedWidget *>().value(0)->currentWidget();
                const QVector<QWidget *> stops = TabStops(h.page.get(), frame);
                int focusable = 0;
                for (QWidget *w : frame->findChildren<QWidget *>()) {
                    if (w->isVisibleTo(h.page.get()) && (w->focusPolicy() & Qt::TabFocus))
                        ++focusable;
                }
                const QString where = d.window + QStringLiteral(" page %1").arg(k);
                QVERIFY2(stops.size() > 1, qPrintable(where));
                QCOMPARE(stops.size(), focusable);
                bool arrows = false;
                for (int i = 1; i < stops.size(); ++i) {
                    const QString fault = OutOfReadingOrder(stops[i - 1], stops[i]);
                    QVERIFY2(fault.isEmpty(), qPrintable(where + ": from " + stops[i - 1]->objectName() + " to "
                                                         + stops[i]->objectName() + " " + fault));
                    const bool arrow = stops[i]->objectName().contains(QStringLiteral("Page_"), Qt::CaseInsensitive);
                    QVERIFY2(arrow || !arrows, qPrintable(where + ": a control after the arrows"));
                    arrows = arrows || arrow;
                }
            }
        }
    }

    // Help labels and arrows take the focus and click on Space or Enter.
    void helpLabelsAndArrowsFromTheKeyboard()
    {
        PageHarness h(0);
        h.Layout();
        h.page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.page.get()));
        QComboBox *first = h.List("Opt_14_Combo");
        first->setFocus();
        QCOMPARE(QApplication::focusWidget(), first);
        ClickLabel *help = nullptr;
        for (int i = 0; i < 20 && !help; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            help = qobject_cast<ClickLabel *>(QApplication::focusWidget());
        }
        QVERIFY(help);
        QCOMPARE(help->objectName(), QStringLiteral("HelpOS14"));
        QCOMPARE(help->focusPolicy(), Qt::StrongFocus);

        // A label with the focus draws a frame: its picture differs.
        const QImage focused = help->grab().toImage();
        first->setFocus();
        const QImage plain = help->grab().toImage();
        QVERIFY(focused != plain);

        help->setFocus();
        QTest::keyClick(help, Qt::Key_Space);
        QCOMPARE(h.host.tipTitles.size(), 1);
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(h.host.tipTitles.size(), 2);

        auto *next = h.page->findChild<ClickLabel *>("ImgNextPage_2");
        QVERIFY(next);
        next->setFocus();
        QCOMPARE(QApplication::focusWidget(), next);
        QTest::keyClick(next, Qt::Key_Enter);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        auto *previous = h.page->findChild<ClickLabel *>("imgPrevPage_1");
        previous->setFocus();
        QTest::keyClick(previous, Qt::Key_Space);
        QCOMPARE(h.page->CurrentSubPage(), 1);
    }

    // To assistive technology a help label or arrow is a button with its
    // name and a press action that clicks it.
    void clickLabelsAreButtons()
    {
        PageHarness h(0);
        h.Layout();
        QWidget *help = h.page->Widget("HelpOS14");
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(help);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), help->accessibleName());
        QAccessibleActionInterface *actions = face->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.host.tipTitles.size(), 1);

        QAccessibleInterface *arrow = QAccessible::queryAccessibleInterface(h.page->findChild<QWidget *>("ImgNextPage_2"));
        QVERIFY(arrow && arrow->actionInterface());
        QCOMPARE(arrow->role(), QAccessible::Button);
        arrow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.page->CurrentSubPage(), 2);

        // A grey label does nothing.
        help->setEnabled(false);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.host.tipTitles.size(), 1);
    }
};

SWTED_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
