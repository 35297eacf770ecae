// The user font groups as a user meets them: options files of every type
// opened in the editor, the iso style and material list pages reached
// through the tab strip, the check boxes clicked and the font lists chosen
// from with the keyboard, and the fatal stops that end the program after
// asking about unsaved edits.
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include "model/Messages.h"
#include "pages/PageTable.h"
#include "gui/pages/PageWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabBar>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {

constexpr int MaterialList = 2;
const QString LineBreak = QStringLiteral("\r\n");

} // namespace

class TestUserFonts : public QObject, protected MainWindowFixture {
    Q_OBJECT

    // An example of a type in the work folder, with the example's user
    // fonts in its folder (userfont/USER.FIF) and a font list file for
    // OPL and OPS; OPT and IDF examples get their font record back.
    QString Example(const QString &type)
    {
        const QString path = work->filePath(QStringLiteral("JOB.") + type);
        QByteArray bytes = ReadBytes(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.") + type);
        bytes.replace("!-152 /userfont/", "-152 /userfont/");
        bytes.replace("! -152 /userfont/", "  -152 /userfont/");
        bytes.replace("!   -1 USER.FIF", "   -1 USER.FIF");
        WriteBytes(path, bytes);
        QDir(work->path()).mkpath(QStringLiteral("userfont"));
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/userfont/USER.FIF"), work->filePath("userfont/USER.FIF"));
        WriteBytes(work->filePath("Karven.fls"), "FONT-INFORMATION-FILE userfont\\USER.FIF\n");
        return path;
    }

    void Start(const QString &path)
    {
        QVERIFY(window->StartUp(path, prog));
        window->show();
    }

    PageWindow *GoTo(int index)
    {
        QTabBar *tabs = window->ActivePage()->TabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (PageIndexOfCaption(tabs->tabText(i)) == index && i != tabs->currentIndex())
                tabs->setCurrentIndex(i);
        }
        return window->ActivePage();
    }
    QCheckBox *Box(int index)
    {
        return window->ActivePage()->Get<QCheckBox>(index == IsoStyle ? "ChkStyleFontFile" : "ChkMaterialsFontFile");
    }
    QComboBox *Fonts(int index)
    {
        return window->ActivePage()->Get<QComboBox>(index == IsoStyle ? "CmbUserFontType" : "CmbMaterialsUserFontType");
    }
    QWidget *Frame(int index)
    {
        return window->ActivePage()->Widget(index == IsoStyle ? "FramUserFonts" : "FramMatFont");
    }
    // Ticks or clears a box of the first page as a user does: the switch
    // and the value the page would now store.
    QPair<int, int32_t> EditFirstPage()
    {
        PageWindow *first = window->ActivePage();
        for (QCheckBox *b : first->findChildren<QCheckBox *>()) {
            const ControlEntry *c = first->Definition().Control(b->objectName());
            if (b->isEnabled() && b->isVisibleTo(first) && c) {
                b->click();
                return {c->switchNumber, first->ValuesShown()[c->switchNumber]};
            }
        }
        return {0, 0};
    }

    // Picks an entry as a user does: the list focused, arrow keys.
    void Pick(QComboBox *list, const QString &text)
    {
        const int target = list->findText(text);
        QVERIFY2(target >= 0, qPrintable(text));
        list->setFocus();
        while (list->currentIndex() != target)
            QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // Each type finds its fonts its own way; HDR and DEF name none and the
    // group stays as built, greyed, the font number kept.
    void eachFileType_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("listed");
        for (const char *t : {"OPT", "OPL", "OPS", "IDF"})
            QTest::newRow(t) << QString::fromLatin1(t) << true;
        for (const char *t : {"HDR", "DEF"})
            QTest::newRow(t) << QString::fromLatin1(t) << false;
    }
    void eachFileType()
    {
        QFETCH(QString, type);
        QFETCH(bool, listed);
        Start(Example(type));
        // The example holds no font: switch 4 gets font 12, switch 27 an
        // unlisted font 77.
        editor->store.SetWholeValue(4, 12000002);
        editor->store.SetWholeValue(27, 77000001);
        GoTo(IsoStyle);
        QCOMPARE(Frame(IsoStyle)->isEnabled(), listed);
        if (listed) {
            QVERIFY(Box(IsoStyle)->isChecked());
            QCOMPARE(Fonts(IsoStyle)->currentText(), QStringLiteral(" HELVETICA BOLD"));
            QCOMPARE(Fonts(IsoStyle)->count(), 4);
            QCOMPARE(Fonts(IsoStyle)->itemText(3), QStringLiteral("Font Not Set"));
        } else {
            QVERIFY(!Box(IsoStyle)->isChecked());
            QCOMPARE(Fonts(IsoStyle)->count(), 0);
        }
        QVERIFY(prompts->messages.isEmpty());

        GoTo(MaterialList);
        if (listed) {
            QCOMPARE(prompts->messages.size(), 1);
            const Message &m = prompts->messages.first();
            QCOMPARE(m.text, QStringLiteral("Unable to set font number  77") + LineBreak
                                 + QStringLiteral("Font does not exist in font file ") + LineBreak
                                 + (type == "OPL" || type == "OPS" ? "userfont\\USER.FIF" : "userfont/USER.FIF"));
            QCOMPARE(m.title, QStringLiteral("Options Editor"));
            QCOMPARE(int(m.icon), int(MessageIcon::Exclamation));
            QCOMPARE(int(m.buttons), int(MessageButtons::Ok));
            QVERIFY(!Box(MaterialList)->isChecked());
            QVERIFY(!Fonts(MaterialList)->isEnabled());
            QCOMPARE(editor->store.GetSwitchValue(27), 1);
        } else {
            QVERIFY(prompts->messages.isEmpty());
            QCOMPARE(editor->store.GetSwitchValue(27), 77000001);
        }
        window->SaveCommand();
        QCOMPARE(editor->store.GetSavedValue(4), 12000002);
        QCOMPARE(editor->store.GetSavedValue(27), listed ? 1 : 77000001);
    }

    // No font list file beside an OPL file, or none named in an OPT file:
    // "User Fonts Absent", the frame greyed, the font number cleared.
    void fontsAbsent()
    {
        const QString path = Example(QStringLiteral("OPL"));
        QFile::remove(work->filePath("Karven.fls"));
        Start(path);
        editor->store.SetWholeValue(4, 5000002);
        GoTo(IsoStyle);
        QCOMPARE(Fonts(IsoStyle)->currentText(), QStringLiteral("User Fonts Absent"));
        QCOMPARE(Fonts(IsoStyle)->count(), 1);
        QVERIFY(!Frame(IsoStyle)->isEnabled());
        QCOMPARE(editor->store.GetSwitchValue(4), 2);
        QVERIFY(prompts->messages.isEmpty());
    }

    // Ticking, choosing and unticking on both pages of the example with a
    // working user font; what the pages store and when.
    void tickChooseUntick()
    {
        const QString path = work->filePath("PLANT.OPL");
        for (const char *f : {"PLANT.OPL", "Karven.fls", "USER.FIF"})
            QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/userfont/") + f, work->filePath(f));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        Start(path);
        GoTo(MaterialList);
        QVERIFY(Box(MaterialList)->isChecked());
        QCOMPARE(Fonts(MaterialList)->currentText(), QStringLiteral(" HELVETICA BOLD"));
        // The material list page stores a choice at once.
        Pick(Fonts(MaterialList), QStringLiteral(" ARIAL NARROW"));
        QCOMPARE(editor->store.GetSwitchValue(27), 5000002);
        QTest::mouseClick(Box(MaterialList), Qt::LeftButton);
        QVERIFY(!Box(MaterialList)->isChecked());
        QCOMPARE(editor->store.GetSwitchValue(27), 2);
        QCOMPARE(Fonts(MaterialList)->currentText(), QStringLiteral("Font Not Set"));
        QVERIFY(!Fonts(MaterialList)->isEnabled());
        QTest::mouseClick(Box(MaterialList), Qt::LeftButton);
        QVERIFY(Fonts(MaterialList)->isEnabled());
        QCOMPARE(Fonts(MaterialList)->currentText(), QStringLiteral(" ARIAL NARROW"));
        QCOMPARE(editor->store.GetSwitchValue(27), 5000002);

        GoTo(IsoStyle);
        QVERIFY(Box(IsoStyle)->isChecked());
        QCOMPARE(Fonts(IsoStyle)->currentText(), QStringLiteral(" ARIAL NARROW"));
        // The iso style page stores its choice when it is read back.
        Pick(Fonts(IsoStyle), QString::fromUtf8(" CAF\u00c9 SCRIPT"));
        QCOMPARE(editor->store.GetSwitchValue(4), 5000002);
        window->SaveCommand();
        QCOMPARE(editor->store.GetSavedValue(4), 40000002);
        QCOMPARE(editor->store.GetSavedValue(27), 5000002);
        QTest::mouseClick(Box(IsoStyle), Qt::LeftButton);
        QCOMPARE(editor->store.GetSwitchValue(4), 2);
        QCOMPARE(Fonts(IsoStyle)->currentText(), QStringLiteral("Font Not Set"));
        window->SaveCommand();
        QCOMPARE(editor->store.GetSavedValue(4), 2);
        // After the save the list still offers the fonts.
        QCOMPARE(Fonts(IsoStyle)->count(), 4);
        QVERIFY(prompts->messages.isEmpty());
        // The change is one step of undo.
        window->UndoCommand();
        QCOMPARE(editor->store.GetSwitchValue(4), 40000002);
        QVERIFY(Box(IsoStyle)->isChecked());
    }

    // A fatal stop with edits: the message, then the save question until
    // it is answered Yes (Cancel asks again, as the program cannot go on);
    // the edits of the page left are saved, then the program ends.
    void fatalStopAsksAboutUnsavedEditsFirst()
    {
        const QString path = Example(QStringLiteral("OPT"));
        QByteArray bytes = ReadBytes(path);
        bytes.replace("-152 /userfont/USER.FIF", "-152 /userfont/USER");
        WriteBytes(path, bytes);
        Start(path);
        // An edit on the first page, not yet stored from its widgets.
        const auto [n, edited] = EditFirstPage();
        QVERIFY(n > 0);
        QVERIFY(edited != editor->store.GetSavedValue(n));
        prompts->answers = {Answer::Cancel, Answer::Yes};
        GoTo(IsoStyle);
        QCOMPARE(prompts->messages.size(), 3);
        const Message &f3 = prompts->messages[0];
        QCOMPARE(f3.text, QStringLiteral("The Path for font file was not correctly set.") + LineBreak
                              + QStringLiteral("Terminating application."));
        QCOMPARE(f3.title, QStringLiteral("Options Editor"));
        QCOMPARE(int(f3.icon), int(MessageIcon::Stop));
        QCOMPARE(int(f3.buttons), int(MessageButtons::Ok));
        for (int i = 1; i <= 2; ++i) {
            QCOMPARE(prompts->messages[i].text, msg::SaveChangesQuestion(path));
            QCOMPARE(prompts->messages[i].title, SaveQuestionTitle);
            QCOMPARE(int(prompts->messages[i].buttons), int(MessageButtons::YesNoCancel));
        }
        QVERIFY(prompts->ended);
        QCOMPARE(prompts->endStatus, 1);
        QVERIFY(!window->isVisible());
        QCOMPARE(editor->store.GetSavedValue(n), edited);
        QVERIFY(ReadBytes(path) != bytes);
    }

    // No edits: the message alone, and the program ends; the file is as
    // it was. The font file named but missing gives the OPT advice.
    void fatalStopWithoutEdits()
    {
        const QString path = Example(QStringLiteral("OPT"));
        QFile::remove(work->filePath("userfont/USER.FIF"));
        const QByteArray before = ReadBytes(path);
        Start(path);
        GoTo(IsoStyle);
        QCOMPARE(prompts->texts(),
                 QStringList{QStringLiteral("The font file userfont/USER.FIF does not exist. ") + LineBreak
                             + QStringLiteral("Please modify the options file and restart the Options Editor.") + LineBreak
                             + QStringLiteral("Terminating application.")});
        QVERIFY(prompts->ended);
        QVERIFY(!window->isVisible());
        QCOMPARE(ReadBytes(path), before);
    }

    // The options file removed while it is edited: the page's own message,
    // then the question, answered No here.
    void optionsFileRemovedWhileEditing()
    {
        const QString path = Example(QStringLiteral("OPL"));
        Start(path);
        QVERIFY(EditFirstPage().first > 0);
        QFile::remove(path);
        prompts->answers = {Answer::No};
        GoTo(MaterialList);
        QCOMPARE(prompts->messages.size(), 2);
        QCOMPARE(prompts->messages[0].text, QStringLiteral("Unable to find the options file ") + path + LineBreak
                                                + QStringLiteral("Please ensure the file exists and restart the Options Editor.")
                                                + LineBreak + QStringLiteral("Terminating application."));
        QCOMPARE(prompts->messages[1].text, msg::SaveChangesQuestion(path));
        QVERIFY(prompts->ended);
        QVERIFY(!QFile::exists(path));
    }
};

SWTED_TEST_MAIN(TestUserFonts)
#include "test_userfonts.moc"
