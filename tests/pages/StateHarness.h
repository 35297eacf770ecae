#pragma once

// Runs one page's rules on a page state, without a window: a fresh switch
// store, scripted prompts and the page's description.
#include "model/SwitchStore.h"
#include "pages/PageDescriptions.h"
#include "pages/PageLogic.h"
#include "shell/ScriptedPrompts.h"

#include <QtTest>

namespace swted::test {

struct StateHarness {
    ScriptedPrompts prompts;
    SwitchStore store;
    PageState state;
    const PageDescription &page;
    bool restricted = false;
    // The user fonts of the options file, for the pages with a font group.
    UserFontSession *fonts = nullptr;

    // Runs the page's creation steps, as a page window does when it is made.
    explicit StateHarness(int index, bool restricted = false)
        : page(*PageDescriptionOf(index)), restricted(restricted)
    {
        PageContext ctx = Context();
        CreateForm(ctx);
    }

    PageContext Context() { return PageContext{page, state, store, prompts, restricted, fonts}; }
    void Layout()
    {
        PageContext ctx = Context();
        LayoutForm(ctx);
    }
    void Read()
    {
        PageContext ctx = Context();
        ReadForm(ctx);
    }
    // The user changed a control (its new value already set in the state).
    void Changed(const char *name)
    {
        PageContext ctx = Context();
        ControlChanged(ctx, QString::fromLatin1(name));
    }
    // Chooses a list item, ticks a box or selects a button as the user does.
    void Choose(const char *name, int index)
    {
        state[QString::fromLatin1(name)].index = index;
        Changed(name);
    }
    void Tick(const char *name, bool on)
    {
        state[QString::fromLatin1(name)].checked = on;
        Changed(name);
    }
    void Type(const char *name, const QString &text)
    {
        state[QString::fromLatin1(name)].text = text;
        Changed(name);
    }

    ControlState &operator[](const char *name) { return state[QString::fromLatin1(name)]; }
    void Set(int n, int32_t v) { store.SetWholeValue(n, v); }
    int32_t Value(int n) const { return store.GetSwitchValue(n); }
    int Digit(int n, int p)
    {
        store.UnpackSwitch(n);
        return store.GetDigit(p);
    }
    QStringList Messages() const { return prompts.texts(); }
    // Lays out and reads back with no change: the value each switch then holds.
    int32_t RoundTrip(int n, int32_t v)
    {
        Set(n, v);
        Layout();
        Read();
        return Value(n);
    }
};

} // namespace swted::test
