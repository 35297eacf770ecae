// Text fields take only what their positions hold, and say why when they refuse a keystroke.
#include "gui/pages/PageWindow.h"

#include "pages/Bindings.h"
#include "pages/ControlWords.h"
#include "shell/Editor.h"

#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>

namespace swted {

namespace {

// Takes what a field's entry allows; the field undoes a refused edit and
// says so (inputRejected). What the page itself shows is always taken: a
// value from the file that the field would not take as typed.
class EntryValidator : public QValidator {
public:
    EntryValidator(const EntryLimits &limits, const bool &showing, QObject *parent)
        : QValidator(parent), limits(limits), showing(showing)
    {
    }
    State validate(QString &input, int &) const override
    {
        if (showing)
            return Acceptable;
        switch (CheckEntry(limits, input)) {
        case EntryCheck::Refused:
            return Invalid;
        case EntryCheck::Partial:
            return Intermediate;
        case EntryCheck::Taken:
        case EntryCheck::BelowMinimum:
            break;
        }
        return Acceptable;
    }

private:
    EntryLimits limits;
    const bool &showing;
};

// A field as wide as the widest value it may show: the digits of its
// positions (a whole switch: ten and a sign) or its default text, at least
// four digits, with the frame and margins of the style.
void FitEntryWidth(QLineEdit *field, const ControlEntry &c)
{
    const QFontMetrics fm = field->fontMetrics();
    int digit = 0;
    for (char d = '0'; d <= '9'; ++d)
        digit = qMax(digit, fm.horizontalAdvance(QLatin1Char(d)));
    int text = digit * (c.width >= 9 ? 10 : c.width);
    if (c.width >= 9)
        text += fm.horizontalAdvance(QLatin1Char('-'));
    text = std::max({text, digit * 4, fm.horizontalAdvance(c.defaultText)});
    QStyleOptionFrame opt;
    opt.initFrom(field);
    opt.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, field);
    opt.state |= QStyle::State_Sunken;
    const QMargins tm = field->textMargins();
    const QMargins cm = field->contentsMargins();
    // The field keeps two pixels either side of its text, and one for the cursor.
    const QSize contents(text + 2 * 2 + 2 + tm.left() + tm.right() + cm.left() + cm.right(), fm.height());
    field->setFixedWidth(field->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, contents, field).width());
}

// The unit a field's range is said in; a unit label the page changes says
// it as shown.
QString UnitShown(const ControlEntry &c, const PageState &state)
{
    if (!c.unitName.isEmpty()) {
        if (const ControlState *u = state.Find(c.unitName); u && !u->text.isEmpty())
            return u->text;
    }
    return EntryUnit(c);
}

} // namespace

void PageWindow::CheckEntries()
{
    for (const ControlEntry &c : definition.controls) {
        if (c.bind != Bind::Text && c.bind != Bind::WholeText)
            continue;
        auto *field = Get<QLineEdit>(c.name);
        if (!field)
            continue;
        const QString name = c.name;
        field->setValidator(new EntryValidator(EntryLimitsOf(c), showing, field));
        FitEntryWidth(field, c);
        const QString allowed = EntryRangeText(EntryLimitsOf(c), EntryUnit(c));
        field->setToolTip(field->toolTip().isEmpty() ? allowed : field->toolTip() + QLatin1Char('\n') + allowed);
        field->setAccessibleDescription(field->accessibleDescription().isEmpty()
                                            ? allowed
                                            : field->accessibleDescription() + QStringLiteral(". ") + allowed);
        field->installEventFilter(this);
        connect(field, &QLineEdit::inputRejected, this, [this, name] {
            if (!showing)
                RefuseEntry(name);
        });
        // A keystroke taken: what was refused before no longer stands.
        connect(field, &QLineEdit::textEdited, this, [this, name] { refusals.remove(name); });
        connect(field, &QLineEdit::textChanged, this, [this, name] { ShowEntryCheck(name); });
    }
}

// A refused field is tinted red until the next keystroke it takes or until
// it loses the focus; one under the stated minimum amber, while it is.
void PageWindow::ShowEntryCheck(const QString &name)
{
    auto *field = Get<QLineEdit>(name);
    const ControlEntry *c = definition.Control(name);
    if (!field || !c)
        return;
    QColor tint;
    if (refusals.contains(name))
        tint = QColor(0xf6, 0xc9, 0xc9);
    else if (CheckEntry(EntryLimitsOf(*c), field->text()) == EntryCheck::BelowMinimum)
        tint = QColor(0xfd, 0xe3, 0xa7);
    QPalette pal = palette();
    if (tint.isValid())
        pal.setColor(QPalette::Base, tint);
    if (field->palette().color(QPalette::Base) != pal.color(QPalette::Base))
        field->setPalette(tint.isValid() ? pal : QPalette());
}

// A keystroke the field would not take: the old value stays, the field
// says the range beside it and in the status bar.
void PageWindow::RefuseEntry(const QString &name)
{
    auto *field = Get<QLineEdit>(name);
    const ControlEntry *c = definition.Control(name);
    if (!field || !c)
        return;
    const QString text = EntryRefusedText(EntryLimitsOf(*c), UnitShown(*c, state));
    refusals.insert(name, text);
    ShowEntryCheck(name);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field, QRect(), 4000);
    emit Shown();
}

QString PageWindow::EntryNote(const QWidget *w) const
{
    const ControlEntry *c = ControlOf(w);
    auto *field = qobject_cast<const QLineEdit *>(w);
    if (!c || !field || (c->bind != Bind::Text && c->bind != Bind::WholeText))
        return QString();
    if (refusals.contains(c->name))
        return refusals.value(c->name);
    const EntryLimits limits = EntryLimitsOf(*c);
    if (CheckEntry(limits, field->text()) == EntryCheck::BelowMinimum)
        return EntryBelowMinimumText(limits, UnitShown(*c, state));
    return EntryRangeText(limits, UnitShown(*c, state));
}

} // namespace swted
