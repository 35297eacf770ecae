#include "pages/ControlWords.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "pages/UserFontGroup.h"
#include "shell/ScriptedPrompts.h"

#include <optional>

namespace swted {

QString CaptionAsShown(const QString &caption)
{
    QString t = caption;
    t.replace(QLatin1String("&&"), QLatin1String("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.simplified();
}

QString TitleOf(const QString &caption)
{
    return caption.startsWith(QLatin1Char('~')) ? QString() : CaptionAsShown(caption);
}

bool EditsSwitch(const ControlEntry &c)
{
    return c.bind != Bind::Rule && c.bind != Bind::Label && c.switchNumber > 0 && c.switchNumber <= SwitchCount;
}

namespace {

// The value of the positions a control edits, as the digit buffer holds
// them; the whole value for a control of the whole switch.
int32_t ValueOfPositions(const ControlEntry &c, int32_t value)
{
    if (c.width >= 9 || c.whole || c.bind == Bind::Own)
        return value;
    SwitchStore s;
    s.SetWholeValue(1, value);
    s.UnpackSwitch(1);
    return RangeValue(s, c.start, c.width);
}


// The title an uncaptioned control is named by: its frame's, else its panel's.
QString TitleOver(const ControlEntry &c)
{
    const QString frame = TitleOf(c.frame);
    return frame.isEmpty() ? TitleOf(c.panel) : frame;
}

} // namespace

QString AccessibleNameOf(const PageDescription &page, const ControlEntry &c)
{
    const QString caption = CaptionAsShown(c.caption);
    if (!caption.isEmpty())
        return caption;
    const QString title = TitleOver(c);
    if (c.bind != Bind::List || c.items.isEmpty())
        return title;
    // Another untitled list under the same title: the first item tells them apart.
    bool shared = title.isEmpty();
    for (const ControlEntry &o : page.controls) {
        if (&o != &c && o.name != c.name && o.bind == Bind::List && o.subPage == c.subPage
            && CaptionAsShown(o.caption).isEmpty() && TitleOver(o) == title)
            shared = true;
    }
    if (!shared)
        return title;
    const QString first = c.items.first().simplified(); // list items show their ampersands
    return title.isEmpty() ? first : title + QStringLiteral(", ") + first;
}

ValuesView ViewOfValues(const PageDescription &page, const SwitchValueSet &values, bool restricted,
                        const UserFontSession *fonts)
{
    SwitchStore store;
    RestoreValues(store, values);
    ValuesView view;
    ScriptedPrompts silent;
    // The font group's flags change as it is laid out: a copy keeps the
    // editor's as they are.
    std::optional<UserFontSession> fontCopy;
    if (fonts)
        fontCopy = *fonts;
    PageContext ctx{page, view.state, store, silent, restricted, fontCopy ? &*fontCopy : nullptr};
    CreateForm(ctx);
    LayoutForm(ctx);
    // A value the page does not take is said as it is laid out: "The value
    // of Option Switch n, starting at position p was v. ..."
    const QStringList said = silent.texts();
    for (const ControlEntry &c : page.controls) {
        if (!EditsSwitch(c) || (c.bind != Bind::List && c.bind != Bind::Text && c.bind != Bind::WholeText))
            continue;
        QString head = OutOfRangeText(c.switchNumber, c.start, ValueOfPositions(c, values[c.switchNumber]), 0, 0);
        head.truncate(head.indexOf(QLatin1String(". ")) + 1);
        for (const QString &m : said) {
            if (m.startsWith(head)) {
                view.outOfRange.insert(c.name);
                break;
            }
        }
    }
    return view;
}

QString FileValueWords(const ControlEntry &c, int32_t saved, const ControlState &shown, bool outOfRange,
                       const QStringList &captions)
{
    const QString head = QStringLiteral("In the file: ");
    const QString beyond = head + QStringLiteral("%1, out of range").arg(ValueOfPositions(c, saved));
    switch (c.bind) {
    case Bind::Check:
        return head + (shown.checked ? QStringLiteral("ticked") : QStringLiteral("not ticked"));
    case Bind::List: {
        const QStringList &items = shown.items.isEmpty() ? c.items : shown.items;
        if (outOfRange || shown.index < 0 || shown.index >= items.size())
            return beyond;
        return head + items[shown.index].simplified();
    }
    case Bind::Text:
    case Bind::WholeText:
        if (outOfRange)
            return beyond;
        return head + (shown.text.trimmed().isEmpty() ? QStringLiteral("empty") : shown.text.trimmed());
    case Bind::Options:
    case Bind::Own: {
        const QStringList &names = captions.isEmpty() ? c.items : captions;
        if (names.isEmpty())
            return QString();
        if (shown.index < 0 || shown.index >= names.size())
            return beyond;
        return head + CaptionAsShown(names[shown.index]);
    }
    case Bind::Label:
    case Bind::Rule:
        break;
    }
    return QString();
}

} // namespace swted
