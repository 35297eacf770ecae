#pragma once

// Drives one page window without the main window: a fresh editor with the
// bundled configuration, scripted prompts, and a host that records what the
// page asks of the main window.
#include "gui/pages/PageWindow.h"
#include "gui/pages/PageViews.h"
#include "shell/Editor.h"
#include "shell/EditorConfiguration.h"
#include "shell/ScriptedPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

namespace swted::test {

struct RecordingHost : PageHost {
    QVector<int> goTo;
    QStringList tipTitles; // switch texts of the tips asked for
    QVector<QPair<int, int>> tipSizes;
    QStringList tipTexts;
    int fatalStops = 0;
    void FatalStop(PageWindow *) override { ++fatalStops; }
    bool GoToPage(PageWindow *, int index) override
    {
        goTo.append(index);
        return false;
    }
    void ShowSwitchTip(const QString &switchText, const QString &tipText, int height, int width) override
    {
        tipTitles.append(switchText);
        tipTexts.append(tipText);
        tipSizes.append({height, width});
    }
};

struct PageHarness {
    ScriptedPrompts prompts;
    Editor editor{prompts};
    RecordingHost host;
    std::unique_ptr<PageWindow> page;

    explicit PageHarness(int index, bool restricted = false)
    {
        LoadEditorConfiguration(QStringLiteral(SWTED_SOURCE_DIR "/data"), editor.config);
        editor.config.RunTypeRestricted = restricted;
        page.reset(CreatePage(index, editor, host));
        if (!page)
            qFatal("page %d is not available", index);
        // Shown, so that clicks reach its controls.
        page->show();
    }

    SwitchStore &store() { return editor.store; }
    void Set(int n, int32_t v) { editor.store.SetWholeValue(n, v); }
    int32_t Value(int n) const { return editor.store.GetSwitchValue(n); }
    // Position p of switch n.
    int Digit(int n, int p)
    {
        editor.store.UnpackSwitch(n);
        return editor.store.GetDigit(p);
    }

    void Layout() { page->LayoutForm(); }
    void Read() { page->ReadForm(); }

    template <class T> T *W(const char *name)
    {
        T *w = page->template Get<T>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QCheckBox *Check(const char *name) { return W<QCheckBox>(name); }
    QComboBox *List(const char *name) { return W<QComboBox>(name); }
    QLineEdit *Text(const char *name) { return W<QLineEdit>(name); }
    QRadioButton *Option(const char *name, int i)
    {
        return page->Options(QString::fromLatin1(name)).value(i);
    }
    // Selects a list item as a user does, firing the click handlers too.
    void Choose(const char *name, int index)
    {
        QComboBox *list = List(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Clicks a check box or option button on its indicator, as a user does
    // (a click in the empty room right of a caption does nothing).
    static void Click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2)); }
    QStringList Messages() const { return prompts.texts(); }
    // Every message so far is a plain notice: OK only, no icon, the
    // application's title.
    bool AllPlain() const
    {
        for (const Message &m : prompts.messages) {
            if (m.title != QStringLiteral("Swted32") || m.buttons != MessageButtons::Ok || m.icon != MessageIcon::None)
                return false;
        }
        return true;
    }
    // A caption as the user reads it (access-key marks dropped).
    static QString Shown(const QString &caption)
    {
        return QString(caption).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }
    QString ItemText(const char *list) { return List(list)->currentText(); }
};

} // namespace swted::test
