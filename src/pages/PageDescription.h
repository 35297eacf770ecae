#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace swted {

struct ControlEntry;
struct PageContext;

// A rule of a page's own, bound to the entry of the control it serves: it
// lays the control out, reads it back, or answers the user's change of it.
using PageRule = void (*)(PageContext &, const ControlEntry &);

// How a control is bound to its switch.
enum class Bind {
    Check,     // a check box on one position
    Options,   // option buttons on one position
    List,      // a drop-down list whose index is the range's value
    Text,      // a text field showing a range (or, width 9, the whole value)
    WholeText, // a text field read back as a whole 16-bit value
    Label,     // text on the page, bound to no switch
    Rule,      // no control: a step of the page's own code in the layout or read order
    Own,       // widgets the page builds itself (a table of options, say)
};

// One control of a page, described without widgets: the switch positions it
// edits, its range and default, the captions the user sees and where it
// stands. The same description builds the page, lays it out, reads it back,
// and tells tools outside the window where a switch is edited.
struct ControlEntry {
    QString name;             // object name; option buttons are name_0, name_1, ...
    Bind bind = Bind::Label;
    int switchNumber = 0;
    int start = 1;
    int width = 1;
    int maximum = 0;          // lists: the index of the last item
    int defaultValue = 0;     // lists: the item shown for an out-of-range value
    QString defaultText;      // text fields: shown for 0, typed to store 0
    bool readWithDefault = true; // text fields: typing the default text stores 0
    bool whole = false;       // check boxes and options: read back the whole value
    int keep = 0;             // whole-value texts: the rightmost characters read back
    // Text fields: the values the page takes. Above `most` the field refuses
    // what is typed (0: as much as the positions hold); from 1 to below
    // `least` a value is flagged as under the minimum the page states, 0
    // still meaning the default. The page's rule answers anything else.
    int least = 0;
    int most = 0;
    QString caption;          // check box text, field or list label
    QStringList items;        // list items, or option captions
    QString unit;             // a unit label after a text field ("%")
    QString panel;            // caption of the panel that holds it
    QString frame;            // caption of a frame inside the panel (may be empty; "~key": no title)
    int subPage = 1;
    QString switchLabel;      // the small switch-number label ("14", "32 / 34")
    // The last part of the setting's key, where the one made from its
    // caption would be empty, unclear or not unique ("sheet-size"). Keys
    // are the settings' public names: once released they never change.
    QString key;
    QString help;             // object name of its "?" help label, if any
    bool restricted = true;   // disabled for the T-KOR run type
    bool helpStaysOpen = false; // its help label (and panel) stay usable when the run type greys it
    bool customLayout = false; // the page's own code shows it
    bool customRead = false;   // the page's own code reads it back
    bool customBuild = false;  // the page's own code builds its widgets
    bool inverted = false;     // check boxes: ticked stands for 0, clear for 1
    bool across = false;       // option buttons: side by side instead of one per row
    bool wrapped = false;      // labels and field captions: the text wraps
    bool captionAbove = false; // lists: the caption stands on a row of its own above
    int firstIndex = 0;        // option buttons: the number of the first one's name
    QString unitName;          // object name of the unit label, when the page changes it
    QStringList buttonNames;   // option buttons with names of their own (Option1, Option2)
    // The page's own rules; a null rule with customLayout or customRead set
    // means another entry's rule shows or reads this control.
    PageRule layoutRule = nullptr;
    PageRule readRule = nullptr;
    // Runs when the user changes the control: a click, a list choice, typing.
    PageRule changeRule = nullptr;
    // Lists: the change rule also runs when the layout sets the index.
    bool changeOnSet = false;

    // Builders, so a page's table reads as a list of its controls.
    ControlEntry &In(const QString &panelCaption, int page = 1)
    {
        panel = panelCaption;
        subPage = page;
        return *this;
    }
    ControlEntry &Framed(const QString &frameCaption)
    {
        frame = frameCaption;
        return *this;
    }
    ControlEntry &Label(const QString &number)
    {
        switchLabel = number;
        return *this;
    }
    ControlEntry &Key(const QString &lastPart)
    {
        key = lastPart;
        return *this;
    }
    ControlEntry &Help(const QString &labelName)
    {
        help = labelName;
        return *this;
    }
    // The help label opens its tip also while the run type greys the control.
    ControlEntry &HelpStaysOpen()
    {
        helpStaysOpen = true;
        return *this;
    }
    ControlEntry &Whole()
    {
        whole = true;
        return *this;
    }
    ControlEntry &NoDefaultOnRead()
    {
        readWithDefault = false;
        return *this;
    }
    ControlEntry &Unit(const QString &text, const QString &labelName = QString())
    {
        unit = text;
        unitName = labelName;
        return *this;
    }
    ControlEntry &Inverted()
    {
        inverted = true;
        return *this;
    }
    ControlEntry &Across()
    {
        across = true;
        return *this;
    }
    ControlEntry &CaptionAbove()
    {
        captionAbove = true;
        return *this;
    }
    ControlEntry &Wrapped()
    {
        wrapped = true;
        return *this;
    }
    ControlEntry &NumberedFrom(int first)
    {
        firstIndex = first;
        return *this;
    }
    ControlEntry &Caption(const QString &text)
    {
        caption = text;
        return *this;
    }
    ControlEntry &Unrestricted()
    {
        restricted = false;
        return *this;
    }
    ControlEntry &Keep(int characters)
    {
        keep = characters;
        return *this;
    }
    ControlEntry &Takes(int smallest, int largest)
    {
        least = smallest;
        most = largest;
        return *this;
    }
    ControlEntry &OwnLayout()
    {
        customLayout = true;
        return *this;
    }
    ControlEntry &OwnRead()
    {
        customRead = true;
        return *this;
    }
    ControlEntry &Own() { return OwnLayout().OwnRead(); }
    ControlEntry &LayoutBy(PageRule rule)
    {
        layoutRule = rule;
        return OwnLayout();
    }
    ControlEntry &ReadBy(PageRule rule)
    {
        readRule = rule;
        return OwnRead();
    }
    ControlEntry &OnChange(PageRule rule, bool alsoWhenSet = false)
    {
        changeRule = rule;
        changeOnSet = alsoWhenSet;
        return *this;
    }
    // Edits this many positions from its start: a box whose rule reads and
    // writes a run of positions.
    ControlEntry &Spans(int positions)
    {
        width = positions;
        return *this;
    }
    ControlEntry &Buttons(const QStringList &names)
    {
        buttonNames = names;
        return *this;
    }
    ControlEntry &OwnBuild()
    {
        customBuild = true;
        return *this;
    }
};

ControlEntry CheckControl(const QString &name, int switchNumber, int position, const QString &caption);
ControlEntry OptionsControl(const QString &name, int switchNumber, int position, const QStringList &captions);
ControlEntry ListControl(const QString &name, int switchNumber, int start, int width, int maximum, int defaultValue,
                     const QString &caption, const QStringList &items);
ControlEntry TextControl(const QString &name, int switchNumber, int start, int width, const QString &defaultText,
                     const QString &caption);
ControlEntry WholeTextControl(const QString &name, int switchNumber, int start, int width, int keep,
                          const QString &caption);
// A step of the page's own code, at its place in the layout and read order
// (either rule may be null).
ControlEntry RuleStep(const QString &name, int switchNumber, PageRule layout, PageRule read);
ControlEntry LabelControl(const QString &name, const QString &text);
// Widgets the page builds and binds itself; the name is that of its first
// widget or group.
ControlEntry OwnControl(const QString &name, int switchNumber);

// A panel of a sub-page and where it stands in the sub-page's grid. A
// caption given in two lines shows as one title; one starting with '~' is
// only a key, for a panel without a title.
struct PanelEntry {
    QString caption;
    int subPage = 1;
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
};

// A tip: the switch text of the tip window's title, its text and the size
// of its text area and window in twips.
struct TipEntry {
    QString label; // help label object name
    QString switchText;
    QString text;
    int height = 0;
    int width = 0;
};

struct PageDescription {
    int index = 0;
    QString window;
    QString tabCaption;
    int subPages = 1;
    // Object names of the sub-page frames and of their previous-page and
    // next-page images, by sub-page (empty: Page_k, imgPrevPage_k-1,
    // ImgNextPage_k+1).
    QStringList frameNames;
    QStringList previousImages;
    QStringList nextImages;
    QVector<PanelEntry> panels;
    QVector<ControlEntry> controls;
    QVector<TipEntry> tips;
    // Runs after the controls are laid out: interlocks that depend on what
    // is shown (may be null).
    PageRule afterLayout = nullptr;
    // Runs once when the page window is created, before its first layout:
    // what the page sets up for its whole life (may be null).
    PageRule created = nullptr;

    const ControlEntry *Control(const QString &name) const;
    // The object name of button i of an option group.
    static QString ButtonName(const ControlEntry &c, int i);
    // The tip of a help label; the elements of a label array (Label25_7)
    // share the tip of the array (Label25).
    const TipEntry *Tip(const QString &label) const;
    // The controls that edit any position of a switch.
    QVector<const ControlEntry *> ControlsOfSwitch(int switchNumber) const;
};

} // namespace swted
