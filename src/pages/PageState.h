#pragma once

#include <map>
#include <QString>
#include <QStringList>

namespace swted {

// What the user sees of one control: plain data, no widget. A list has its
// items and selected index, a group of option buttons the index of the
// selected button, a check box its tick, a field or a label its text. -1 is
// no selection.
struct ControlState {
    int index = -1;
    QStringList items;
    bool checked = false;
    QString text; // a null text leaves a label's caption as it was built
    bool enabled = true;
    bool visible = true;

    bool operator==(const ControlState &o) const
    {
        return index == o.index && items == o.items && checked == o.checked && text == o.text
            && enabled == o.enabled && visible == o.visible;
    }
    bool operator!=(const ControlState &o) const { return !(*this == o); }
};

// The state of a whole page, by control name. Besides the controls of the
// page's description it holds whatever else the page's rules show or hide:
// single option buttons (name_k), unit labels, help labels. A reference to
// one control's state stays valid while others are added, so a rule may hold
// several at once.
class PageState {
public:
    // The state of a control, created (as a fresh control) on first use.
    ControlState &operator[](const QString &name) { return controls[name]; }
    // nullptr when the page has never shown that name.
    const ControlState *Find(const QString &name) const
    {
        auto it = controls.find(name);
        return it == controls.end() ? nullptr : &it->second;
    }
    const std::map<QString, ControlState> &All() const { return controls; }
    void Clear() { controls.clear(); }

    bool operator==(const PageState &o) const { return controls == o.controls; }
    bool operator!=(const PageState &o) const { return !(*this == o); }

private:
    std::map<QString, ControlState> controls;
};

} // namespace swted
