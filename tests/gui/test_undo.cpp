// Undo as the user meets it in the main window: typing in a field is one
// step, the Edit menu names the step, and a step made on another page
// brings that page forward with its control focused.
#include "gui/pages/PageWindow.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "MainWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {
const QString AngleCaption = QStringLiteral("Minimum Angle to be treated as a real Skew (1/100 th degree)");
const QString ClearScreenCaption = QStringLiteral("Clear Screen before on-screen display.");
} // namespace

class TestUndo : public QObject, protected MainWindowFixture {
    Q_OBJECT

    PageWindow *Page() { return window->ActivePage(); }
    QString Tab() { return Page()->TabStrip()->tabText(Page()->TabStrip()->currentIndex()); }
    void ClickTab(const QString &caption)
    {
        QTabBar *tabs = Page()->TabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
        }
    }
    // Ctrl+Z or Ctrl+Shift+Z where the user has the focus.
    void Press(bool redo)
    {
        QWidget *at = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(at, Qt::Key_Z, redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
    }
    void Start()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // 999 typed in a field is one step, whether the focus has left the
    // field or is still in it; typing again after leaving is a step of its own.
    void typingIsOneStep_data()
    {
        QTest::addColumn<bool>("tabAway");
        QTest::newRow("focus left the field") << true;
        QTest::newRow("still in the field") << false;
    }
    void typingIsOneStep()
    {
        QFETCH(bool, tabAway);
        Start();
        ClickTab(QStringLiteral("System"));
        auto *field = Page()->Get<QLineEdit>(QStringLiteral("Opt_115_Text"));
        QVERIFY(field);
        const QString was = field->text();
        const int32_t stored = editor->store.GetSwitchValue(115);
        QVERIFY(was != QStringLiteral("999"));
        QCOMPARE(window->mnuEditUndo->text(), QStringLiteral("&Undo"));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("999"));
        QCOMPARE(field->text(), QStringLiteral("999"));
        QCOMPARE(window->mnuEditUndo->text(), QStringLiteral("&Undo ") + AngleCaption);
        if (tabAway) {
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY(!field->hasFocus());
        }
        Press(false);
        QCOMPARE(field->text(), was);
        QCOMPARE(Page()->ValuesShown()[115], stored);
        QVERIFY(!window->mnuEditUndo->isEnabled());
        QCOMPARE(window->mnuEditUndo->text(), QStringLiteral("&Undo"));
        QCOMPARE(window->mnuEditRedo->text(), QStringLiteral("&Redo ") + AngleCaption);
        Press(true);
        QCOMPARE(field->text(), QStringLiteral("999"));

        // Typed again after the focus came back: a step of its own.
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(field->text(), QStringLiteral("99"));
        Press(false);
        QCOMPARE(field->text(), QStringLiteral("999"));
        Press(false);
        QCOMPARE(field->text(), was);
        QVERIFY(prompts->messages.isEmpty());
    }

    // The Edit menu says what it will undo and redo: the control's caption
    // as shown, the title over a list without one, Default All Switches.
    void menuNamesTheStep_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("how"); // 0 a click or a choice, 1 a reset to the file's value, 2 Default All
        QTest::newRow("check box") << "Opt_58_Check" << ClearScreenCaption << 0;
        QTest::newRow("list under a panel title") << "Opt_109_Combo_Pos1" << "REPEATABILITY FILE CONTENT" << 0;
        QTest::newRow("reset from the context menu") << "Opt_110_Text" << "Gap dimension (mm's)" << 1;
        QTest::newRow("Default All Switches") << QString() << "Default All Switches" << 2;
    }
    void menuNamesTheStep()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, how);
        Start();
        ClickTab(QStringLiteral("Specials"));
        QCOMPARE(window->mnuEditUndo->text(), QStringLiteral("&Undo"));
        QCOMPARE(window->mnuEditRedo->text(), QStringLiteral("&Redo"));
        const SwitchValueSet before = Page()->ValuesShown();
        if (how == 0) {
            if (auto *box = Page()->Get<QCheckBox>(control)) {
                box->click();
            } else {
                auto *list = Page()->Get<QComboBox>(control);
                QVERIFY(list);
                const int i = (list->currentIndex() + 1) % list->count();
                list->setCurrentIndex(i);
                emit list->activated(i);
            }
        } else if (how == 1) {
            Page()->Get<QLineEdit>(control)->setText(QStringLiteral("40"));
            Page()->ResetControl(control, false);
        } else {
            prompts->answers = {Answer::Yes};
            window->DefaultAllCommand();
            prompts->messages.clear();
        }
        QVERIFY((Page()->ValuesShown() == before) == (how == 1));
        QCOMPARE(window->mnuEditUndo->text(), QStringLiteral("&Undo ") + name);
        QCOMPARE(window->mnuEditUndo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        window->UndoCommand();
        if (how == 1) // the reset was a step of its own
            QCOMPARE(Page()->Get<QLineEdit>(control)->text(), QStringLiteral("40"));
        else
            QVERIFY(Page()->ValuesShown() == before);
        QCOMPARE(window->mnuEditRedo->text(), QStringLiteral("&Redo ") + name);
        QCOMPARE(window->mnuEditRedo->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(window->mnuEditUndo->objectName(), QStringLiteral("mnuEditUndo"));
        QCOMPARE(window->mnuEditRedo->objectName(), QStringLiteral("mnuEditRedo"));
        QVERIFY(prompts->messages.isEmpty());
    }

    // An edit on Specials, then the System tab: Ctrl+Z brings Specials back
    // with the sub-page and the control of the step, and the value back;
    // Ctrl+Shift+Z from System does the same forward.
    void stepOnAnotherPageComesForward_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("subPage");
        QTest::newRow("first sub-page") << "Opt_58_Check" << 1;
        QTest::newRow("second sub-page") << "Opt_82_Check_A" << 2;
    }
    void stepOnAnotherPageComesForward()
    {
        QFETCH(QString, control);
        QFETCH(int, subPage);
        Start();
        ClickTab(QStringLiteral("Specials"));
        Page()->ShowSubPage(subPage);
        auto *box = Page()->Get<QCheckBox>(control);
        QVERIFY(box && box->isEnabled());
        const bool was = box->isChecked();
        box->click();
        const SwitchValueSet edited = Page()->ValuesShown();
        const SwitchValueSet saved = SavedValues(editor->store);
        QVERIFY(edited != saved);

        for (bool redo : {false, true}) {
            ClickTab(QStringLiteral("System"));
            QCOMPARE(Tab(), QStringLiteral("System"));
            Page()->Get<QComboBox>(QStringLiteral("Opt_6_Combo"))->setFocus();
            Press(redo);
            QCOMPARE(Tab(), QStringLiteral("Specials"));
            QCOMPARE(Page()->CurrentSubPage(), subPage);
            QCOMPARE(QApplication::focusWidget(), Page()->Widget(control));
            QCOMPARE(Page()->Get<QCheckBox>(control)->isChecked(), redo ? !was : was);
            QVERIFY(Page()->ValuesShown() == (redo ? edited : saved));
        }
        QVERIFY(prompts->messages.isEmpty());
    }
};

SWTED_TEST_MAIN(TestUndo)
#include "test_undo.moc"
