#include "pages/Corrections.h"

#include "pages/ControlWords.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageDescription.h"
#include "pages/PageDescriptions.h"
#include "pages/PageLogic.h"
#include "pages/PageTour.h"
#include "pages/SettingSearch.h"
#include "pages/UserFontGroup.h"
#include "shell/ScriptedPrompts.h"

#include <array>
#include <optional>

namespace swted {

namespace {

using Digits = std::array<int, PositionCount + 1>;

// The digits the pages see of a value: a negative value as nine zeros,
// everything above the eighth digit in position 9.
Digits DigitsOf(int32_t value)
{
    SwitchStore s;
    s.SetWholeValue(1, value);
    s.UnpackSwitch(1);
    Digits d{};
    for (int p = 1; p <= PositionCount; ++p)
        d[p] = s.GetDigit(p);
    return d;
}

int RangeOf(const Digits &d, int start, int width)
{
    int v = 0;
    int weight = 1;
    for (int p = start; p < start + width && p <= PositionCount; ++p) {
        v += d[p] * weight;
        weight *= 10;
    }
    return v;
}

// What names the control for the user: its caption, else its frame, its
// first option or its panel.
QString NameOf(const ControlEntry &c)
{
    QString name;
    if (!c.caption.isEmpty())
        name = CaptionAsShown(c.caption);
    else if (!TitleOf(c.frame).isEmpty())
        name = TitleOf(c.frame);
    else if (c.bind == Bind::Options && !c.items.isEmpty())
        name = CaptionAsShown(c.items.first());
    else
        name = TitleOf(c.panel);
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name.isEmpty() ? PositionsText(c) : name;
}

QString SettingOf(const PageDescription &page, const ControlEntry &c)
{
    QStringList parts{CaptionAsShown(page.tabCaption)};
    for (const QString &part : {TitleOf(c.panel), NameOf(c)}) {
        if (!part.isEmpty() && part != parts.last())
            parts << part;
    }
    return parts.join(QStringLiteral(" \u203a "));
}

QString Count(int n, const char *one, const char *many)
{
    static const char *const words[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    const QString number = n >= 0 && n <= 9 ? QString::fromLatin1(words[n]) : QString::number(n);
    return number + QLatin1Char(' ') + QString::fromLatin1(n == 1 ? one : many);
}

// A control bound to a switch, where it stands.
struct Candidate {
    const PageDescription *page;
    const ControlEntry *control;
};

// How closely the control's read-back decides the digit at position p:
// 0 it does not, else the smaller the closer. A field read back as a whole
// value, and a box or options stored as the whole value, decide all nine;
// widgets a page builds itself are bound by its own code, except that the
// user font groups hold positions 7 to 9.
int Closeness(const ControlEntry &c, int p)
{
    if (c.bind == Bind::Own) {
        for (FontGroup g : {FontGroup::IsoStyle, FontGroup::MaterialList}) {
            if (c.name == FontGroupControlsOf(g).frame)
                return p >= 7 ? 1 : 0;
        }
        return 20;
    }
    if (c.bind == Bind::WholeText || c.whole)
        return 9;
    return p >= c.start && p < c.start + c.width ? c.width : 0;
}

// What the control alone stores from the value when its page lays it out
// and reads it back by its binding, no rule of the page's own taking part.
int32_t StoredByBinding(ControlEntry c, int32_t inFile)
{
    c.changeRule = nullptr;
    PageDescription page;
    page.controls = {c};
    SwitchStore store;
    store.SetWholeValue(c.switchNumber, inFile);
    PageState state;
    ScriptedPrompts quiet;
    PageContext ctx{page, state, store, quiet, false, nullptr};
    LayoutForm(ctx);
    ReadForm(ctx);
    return store.GetSwitchValue(c.switchNumber);
}

// Why the control stores what the tour saved, when its kind and range say
// so; empty when they do not (the page's own rules decided, or another
// control).
QString KindReason(const ControlEntry &c, int32_t inFile, int32_t saved, const Digits &file, const Digits &stored,
                   const QStringList &messages)
{
    const QString name = NameOf(c);
    const int range = RangeOf(file, c.start, c.width);
    const int savedRange = RangeOf(stored, c.start, c.width);
    if (c.bind == Bind::List) {
        // The page said so when it laid the list out.
        QString said = OutOfRangeText(c.switchNumber, c.start, 0, 0, 0);
        said.truncate(said.indexOf(QLatin1String(" was")) + 4);
        for (const QString &m : messages) {
            if (m.startsWith(said) && savedRange == c.defaultValue)
                return name + QStringLiteral(": out of range, shown as the default");
        }
        // A list shows its default for 0 and stores what it shows.
        if (!c.customLayout && range == 0 && c.defaultValue > 0 && savedRange == c.defaultValue)
            return name + QStringLiteral(": 0 is shown as the default");
        return QString();
    }
    if (c.customLayout || c.customRead || c.bind == Bind::Label || c.bind == Bind::Rule || c.bind == Bind::Own)
        return QString();
    const int32_t alone = StoredByBinding(c, inFile);
    const bool whole = c.bind == Bind::WholeText || c.whole;
    if (whole ? alone != saved : RangeOf(DigitsOf(alone), c.start, c.width) != savedRange)
        return QString();
    switch (c.bind) {
    case Bind::WholeText: {
        // A field of fewer than nine positions shows their digits only (a
        // negative value as 0); the read-back keeps its rightmost characters.
        if (c.width < 9 && inFile < 0)
            return QString();
        const QString shown = c.width >= 9 ? QString::number(inFile) : QString::number(range);
        const QString kept = shown.right(c.keep);
        if (inFile < 0 && !kept.startsWith(QLatin1Char('-')))
            return name + QStringLiteral(" keeps ") + Count(c.keep, "character", "characters")
                + QStringLiteral(": a sign is dropped");
        if (QString::number(inFile).size() > kept.size())
            return name + QStringLiteral(" keeps ") + Count(static_cast<int>(kept.size()), "digit", "digits");
        return QString();
    }
    case Bind::Text:
        if (QString::number(range).size() > c.width)
            return name + QStringLiteral(" keeps ") + Count(c.width, "digit", "digits");
        return QString();
    case Bind::Options: {
        const int last = static_cast<int>(c.items.size()) - 1;
        if (c.whole)
            return name + QStringLiteral(" keeps one digit");
        if (file[c.start] > last)
            return name + QStringLiteral(": %1 is not one of its options, read as the last").arg(file[c.start]);
        return QString();
    }
    case Bind::Check:
        if (c.whole)
            return name + QStringLiteral(" keeps only 0 or 1");
        if (file[c.start] > 1)
            return name + QStringLiteral(": %1 is not 0 or 1, stored as 0").arg(file[c.start]);
        return QString();
    default:
        return QString();
    }
}

Correction Explain(int n, int32_t inFile, int32_t saved, const QStringList &messages)
{
    Correction out{n, QString(), inFile, saved, QString()};
    QVector<Candidate> candidates;
    for (int index : AvailablePagesInStripOrder()) {
        const PageDescription *page = PageDescriptionOf(index);
        for (const ControlEntry *c : page->ControlsOfSwitch(n))
            candidates.append({page, c});
    }
    const Digits file = DigitsOf(inFile);
    const Digits stored = DigitsOf(saved);

    // For each position that changes, the first control whose kind explains
    // it, else the one that edits it most closely.
    QVector<Candidate> chosen;
    QStringList reasons;
    auto choose = [&](const Candidate &k, const QString &why) {
        for (const Candidate &c : chosen) {
            if (c.control == k.control)
                return;
        }
        chosen.append(k);
        const QString text = why.isEmpty() ? NameOf(*k.control) + QStringLiteral(" is set by the page's rules") : why;
        if (!reasons.contains(text))
            reasons << text;
    };
    for (int p = 1; p <= PositionCount; ++p) {
        if (file[p] == stored[p])
            continue;
        std::optional<Candidate> closest;
        int best = 0;
        QString why;
        for (const Candidate &k : candidates) {
            const int closeness = Closeness(*k.control, p);
            if (closeness == 0)
                continue;
            if (!closest || closeness < best) {
                closest = k;
                best = closeness;
            }
            why = KindReason(*k.control, inFile, saved, file, stored, messages);
            if (!why.isEmpty()) {
                closest = k;
                break;
            }
        }
        if (closest)
            choose(*closest, why);
    }

    bool digitsRead = chosen.isEmpty();
    for (const Candidate &k : chosen)
        digitsRead = digitsRead || !(k.control->bind == Bind::WholeText && k.control->width >= 9);
    if (inFile < 0 && digitsRead)
        reasons.prepend(QStringLiteral("a negative value reads as 0"));
    // A negative value the pages read as zeros may come back as zeros: no
    // digit changes, the setting is the switch's first.
    const Candidate *where = !chosen.isEmpty() ? &chosen.first() : !candidates.isEmpty() ? &candidates.first() : nullptr;
    out.setting = where ? SettingOf(*where->page, *where->control) : QStringLiteral("Switch %1").arg(n);
    out.reason = reasons.isEmpty() ? QStringLiteral("set by the pages' rules") : reasons.join(QStringLiteral("; "));
    return out;
}

} // namespace

QVector<Correction> CollectCorrections(const SwitchStore &opened, bool restricted, UserFontSession *fonts,
                                       QStringList *messages, bool *stopped)
{
    SwitchStore toured = opened;
    ScriptedPrompts prompts;
    std::optional<UserFontSession> session;
    if (fonts)
        session = *fonts;
    const bool done = TourPages(toured, prompts, restricted, session ? &*session : nullptr);
    const QStringList said = prompts.texts();
    if (messages)
        *messages = said;
    if (stopped)
        *stopped = !done;
    QVector<Correction> out;
    if (!done)
        return out;
    for (int n = 1; n <= SwitchCount; ++n) {
        const int32_t before = opened.GetSwitchValue(n);
        const int32_t after = toured.GetSwitchValue(n);
        if (before != after)
            out.append(Explain(n, before, after, said));
    }
    return out;
}

QString CorrectionText(const Correction &c)
{
    return QStringLiteral("switch %1: %2 will be saved as %3 (%4)").arg(c.switchNumber).arg(c.inFile).arg(c.saved).arg(c.reason);
}

} // namespace swted
