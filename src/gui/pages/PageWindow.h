#pragma once

#include "pages/ControlWords.h"
#include "pages/PageDescription.h"
#include "pages/PageLogic.h"
#include "pages/PageState.h"
#include "pages/EditHistory.h"

#include <QHash>
#include <QSet>
#include <QVector>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTabBar;

namespace swted {

class Editor;
class PageWindow;
class Prompts;
class SwitchStore;

// What a page needs from the main window.
class PageHost {
public:
    virtual ~PageHost() = default;
    // Replaces the current page by the page of that index; false when that
    // page is not available.
    virtual bool GoToPage(PageWindow *current, int index) = 0;
    virtual void ShowSwitchTip(const QString &switchText, const QString &tipText, int height, int width) = 0;
    // A page's set-up reached a fatal stop (its message shown): the program
    // is to end, the page that stopped is not to be read back.
    virtual void FatalStop(PageWindow *stopped) = 0;
    // The file the settings are compared with, while a comparison is on: its
    // name and its switch values; null when none is.
    virtual const SwitchValueSet *ComparedValues() const { return nullptr; }
    virtual QString ComparedName() const { return QString(); }
};

// A category page on screen: the tab strip, its sub-pages, and the widgets
// of the controls its description lists. The page's rules work on its page
// state (PageLogic); the window builds the widgets, shows the state, and
// turns each user action into a change of the state and a call of the
// control's change rule, then shows the state again.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    PageWindow(Editor &editor, PageHost &host, const PageDescription &definition, QWidget *parent = nullptr);

    // Creates the widgets; called once, right after construction.
    void Build();

    // Store to page state, then the page's interlocks and the restrictions
    // of the run type; the widgets show the result.
    // False when the layout reached a fatal stop (the host has been told).
    bool LayoutForm();
    // Page state to store.
    void ReadForm();

    // What the page shows, as plain data.
    const PageState &State() const { return state; }
    // Shows the page state in the widgets, with the change markers.
    void ShowState();
    // The switch values the page would store if it were read back now.
    SwitchValueSet ValuesShown() const;
    // Whether what the page shows differs from the file as opened or saved.
    bool HasChanges() const;
    // The change markers of the controls and the tabs, for what the page
    // shows over the store as it is now (the store may have changed under
    // the page: the page being left stores itself after the next one is
    // laid out). What it compared is kept as the values the next edit
    // starts from, and returned.
    const SwitchValueSet &ShowChanges();

signals:
    // The user changed the page: the values before and after (every
    // interlock included) and the control changed, for undo.
    void Edited(const swted::SwitchValueSet &before, const swted::SwitchValueSet &after,
                const swted::EditOrigin &origin);
    // The page showed its state again (markers may have changed).
    void Shown();

public:

    // A page window used again after it was unloaded starts as a new one
    // does: its own tab selected, the first sub-page, no control focused.
    void Reopen();

    const PageDescription &Definition() const { return definition; }
    QTabBar *TabStrip() const { return tabStrip; }
    // The size the page takes whole, strip included, without scrolling.
    QSize WholeSize() const { return wholeSize; }
    void ShowSubPage(int k);
    // Puts the positions a control edits back to the file's value or to
    // the switch's default; one step of undo.
    void ResetControl(const QString &name, bool toDefault);
    // Puts the positions a control edits to the compared file's value; one
    // step of undo.
    void TakeComparedValue(const QString &name);
    // The comparison markers: a control whose value differs from the
    // compared file carries a blue diamond beside it (with the change
    // marker's dot when it is changed too) that says the other file's value
    // in its tooltip and accessible description; the tabs of pages that
    // differ show their captions in blue. differing: the other file's words
    // by control name; an empty otherName ends the comparison.
    void ShowComparison(const QString &otherName, const QHash<QString, QString> &differing, const QSet<int> &pagesDiffering);
    // Gives a control the focus (the first enabled button of a group) and
    // highlights it for a moment.
    void FocusControl(const QString &name);
    int CurrentSubPage() const;
    // The control a widget edits a switch for (a list, check box, field or
    // option button of a bound control); null for any other widget.
    const ControlEntry *ControlOf(const QWidget *w) const;
    // What the status bar says of a text field that has the focus: the
    // range it takes, or that what was typed was refused or is under the
    // stated minimum; empty for any other widget.
    QString EntryNote(const QWidget *w) const;

    QWidget *Widget(const QString &name) const { return widgets.value(name); }
    template <class T> T *Get(const QString &name) const { return qobject_cast<T *>(widgets.value(name)); }
    QVector<QRadioButton *> Options(const QString &name) const { return optionGroups.value(name); }

protected:
    // Builds the widgets of an own-built control into the panel's grid,
    // from row on, registering them with Register and Relate.
    virtual void BuildOwn(const ControlEntry &, QGridLayout *, int /*row*/) {}

    // Makes a page-built widget known by name (for Get, tests and tools).
    void Register(const QString &name, QWidget *w);
    void RegisterOptions(const QString &name, const QVector<QRadioButton *> &buttons);
    // Ties a caption or help label to a control: it goes grey with it.
    void Relate(const QString &controlName, QWidget *w);
    // An option group's buttons, one per row, in a frame titled with the
    // control's caption; registered and related to the control.
    QGroupBox *OptionsFrame(const ControlEntry &c);
    // The small label with a switch number beside a control.
    QWidget *SwitchNumberLabel(const QString &text, const QString &controlName);
    // The change marker of a control (made on first use): a dot, shown while
    // the control differs from the file, that says what the file holds. A
    // view that builds a control's widgets places it right after them.
    QWidget *Marker(const QString &controlName);
    // A "?" label that opens the tip of its name.
    QWidget *HelpLabel(const QString &name, const QString &text = QStringLiteral("?"));

    Editor &editor;
    PageHost &host;

private:
    PageContext Context();
    void OnTabChanged(int index);
    // The user changed a control whose new value the state already holds.
    void Changed(const QString &name, bool typing = false);
    // Keeps the state up to date with every change of a widget's value.
    void TrackWidgets();
    void ShowOptions(const QString &name, const ControlState &cs);
    void ShowRelated(const QString &name, bool enabled);
    void GreyRestrictedPanels();
    // Tooltips and accessible descriptions that say what each control edits,
    // the mouse wheel kept off lists without focus, access keys.
    void DescribeControls();
    // Tab goes through each sub-page in reading order: its panels as the
    // grid places them, row by row, each panel top to bottom, then the page
    // arrows.
    void OrderTabStops();
    // Each text field takes only what its entry allows (a validator made
    // from it), is as wide as the widest value it may show, and says its
    // range in its tooltip; what it refuses or flags shows in the field.
    void CheckEntries();
    void ShowEntryCheck(const QString &name);
    void RefuseEntry(const QString &name);
    void ShowMarks(const ChangeMarks &marks, const SwitchValueSet &saved);
    // A widget's value changed by the user (the state holds it already);
    // typing marks a keystroke in a text field.
    void UserEdited(const QString &name, bool typing = false);
    // A step of undo made here, on the control of that name.
    EditOrigin OriginOf(const QString &name, bool typing) const;
    // What names a control's step: its caption as the page shows it.
    QString StepCaption(const QString &name) const;
    bool eventFilter(QObject *watched, QEvent *event) override;
    QWidget *BuildSubPage(int k);
    void BuildControl(const ControlEntry &c, QGridLayout *grid);
    QGridLayout *GridFor(const ControlEntry &c);

    PageDescription definition;
    PageState state;
    bool showing = false; // the widgets are being set from the state
    SwitchValueSet lastValues{}; // what the page would store, as last shown
    QHash<QString, QWidget *> markers; // change markers by control name
    // What each control's marker says: whether it changed, in what words,
    // and the compared file's words for the controls that differ from it.
    QHash<QString, QPair<bool, QString>> changeMarks;
    QHash<QString, QString> comparedWords;
    QString comparedName;
    void ShowMarker(const QString &name);
    // Puts the positions a control edits to a source value; one step of undo.
    void PutPositions(const QString &name, int32_t source);
    // What the page shows for the file's values, for the markers' words;
    // laid out again when those values change.
    ValuesView fileView;
    SwitchValueSet fileViewOf{};
    bool fileViewMade = false;
    QHash<QString, QString> refusals; // text fields whose last keystroke was refused
    QHash<QString, QStringList> shownItems; // the items each list shows
    QTabBar *tabStrip = nullptr;
    QSize wholeSize;
    QStackedWidget *frames = nullptr;
    QVector<QWidget *> framesByNumber; // 1-based
    QHash<QString, QWidget *> widgets;
    QHash<QString, QVector<QRadioButton *>> optionGroups;
    QHash<QString, QVector<QWidget *>> related; // captions, units, help and number labels of a control
    QHash<QString, QGroupBox *> panels;          // by sub-page and caption
    QHash<QString, QGroupBox *> innerFrames;     // by sub-page, panel and frame caption
    QHash<QGroupBox *, QGridLayout *> grids;
    // The kind of control built last in each panel grid: two groups of
    // option buttons in a row get a line between them.
    QHash<QGridLayout *, Bind> lastBuilt;
};

} // namespace swted
