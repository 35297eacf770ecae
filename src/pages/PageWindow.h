#pragma once

#include "pages/PageDescription.h"

#include <QHash>
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
};

// A category page: the tab strip, its sub-pages, and the controls its
// description lists, laid out from the store and read back into it by
// walking that description in order. A page adds only what is its own:
// controls it lays out or reads itself, rules, and event handlers.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    PageWindow(Editor &editor, PageHost &host, const PageDescription &definition, QWidget *parent = nullptr);

    // Creates the widgets; called once, right after construction.
    void Build();

    // Store to controls, then the page's interlocks and the restrictions of
    // the run type.
    void LayoutForm();
    // Controls to store.
    void ReadForm();

    // A page window used again after it was unloaded starts as a new one
    // does: its own tab selected, the first sub-page, no control focused.
    void Reopen();

    const PageDescription &Definition() const { return definition; }
    QTabBar *TabStrip() const { return tabStrip; }
    void ShowSubPage(int k);
    int CurrentSubPage() const;

    QWidget *Widget(const QString &name) const { return widgets.value(name); }
    template <class T> T *Get(const QString &name) const { return qobject_cast<T *>(widgets.value(name)); }
    QVector<QRadioButton *> Options(const QString &name) const { return optionGroups.value(name); }

protected:
    // Builds the widgets of an Own control into the panel's grid, from row
    // on, registering them with Register and Relate.
    virtual void BuildOwn(const ControlEntry &, QGridLayout *, int /*row*/) {}
    virtual void LayoutOwn(const ControlEntry &) {}
    virtual void ReadOwn(const ControlEntry &) {}
    // Runs after the table: interlocks that depend on what is shown.
    virtual void AfterLayout() {}
    // Connects the page's own event handlers once the widgets exist.
    virtual void Connect() {}

    SwitchStore &Store() const;
    Prompts &Asker() const;
    bool Restricted() const;
    // Packs the digit buffer into a switch; when the digits make a number
    // that does not fit, says so and leaves the switch as it was.
    bool Pack(int switchNumber);
    // Stores a whole-value field (its rightmost characters) as a 16-bit value.
    void ReadWholeText(const ControlEntry &c);
    // Empties a list and fills it, leaving no item selected, without firing
    // its selection handlers.
    static void FillList(QComboBox *list, const QStringList &items);
    // Leaves none of a group of option buttons selected.
    static void ClearOptions(const QVector<QRadioButton *> &options);
    // Makes a page-built widget known by name (for Get, tests and tools).
    void Register(const QString &name, QWidget *w);
    void RegisterOptions(const QString &name, const QVector<QRadioButton *> &buttons);
    // Ties a caption or help label to a control: it goes grey with it.
    void Relate(const QString &controlName, QWidget *w);
    // Enables or disables a control with its caption and unit labels.
    void SetControlEnabled(const QString &name, bool enabled);
    // The small label with a switch number beside a control.
    QWidget *SwitchNumberLabel(const QString &text, const QString &controlName);
    // A "?" label that opens the tip of its name.
    QWidget *HelpLabel(const QString &name, const QString &text = QStringLiteral("?"));

    Editor &editor;
    PageHost &host;

private:
    void OnTabChanged(int index);
    void LayoutControl(const ControlEntry &c);
    void ReadControl(const ControlEntry &c);
    void ApplyRestrictions();
    QWidget *BuildSubPage(int k);
    void BuildControl(const ControlEntry &c, QGridLayout *grid);
    QGridLayout *GridFor(const ControlEntry &c);

    PageDescription definition;
    QTabBar *tabStrip = nullptr;
    QStackedWidget *frames = nullptr;
    QVector<QWidget *> framesByNumber; // 1-based
    QHash<QString, QWidget *> widgets;
    QHash<QString, QVector<QRadioButton *>> optionGroups;
    QHash<QString, QVector<QWidget *>> related; // captions, units, help and number labels of a control
    QHash<QString, QGroupBox *> panels;          // by sub-page and caption
    QHash<QString, QGroupBox *> innerFrames;     // by sub-page, panel and frame caption
    QHash<QGroupBox *, QGridLayout *> grids;
};

} // namespace swted
