// Settings in words from a tour of the pages, and changes by key made through a page's own rules.
#include "settings/SettingValues.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageDescriptions.h"
#include "pages/PageLogic.h"
#include "pages/PageTour.h"
#include "pages/UserFontGroup.h"
#include "shell/ScriptedPrompts.h"

#include <QHash>
#include <optional>

namespace swted {

namespace {

// Whether a page edits any position of a switch (a rule step included).
bool PageEdits(const PageDescription &page, int n)
{
    for (const ControlEntry &c : page.controls) {
        if (c.switchNumber == n && c.bind != Bind::Label)
            return true;
    }
    return false;
}

QStringList ChoicesShown(const ControlEntry &c, const ControlState &state)
{
    if (c.bind == Bind::List && !state.items.isEmpty()) {
        QStringList items;
        for (const QString &item : state.items)
            items << item.simplified();
        return items;
    }
    return SettingChoices(c);
}

QString Quoted(const QStringList &choices)
{
    QStringList quoted;
    for (const QString &choice : choices)
        quoted << QLatin1Char('"') + choice + QLatin1Char('"');
    return quoted.join(QStringLiteral(", "));
}

// The choice a value names: "#N", the whole text, or a unique leading part,
// all without regard to case; -1 with the reason in error otherwise.
int ChoiceOf(const QStringList &choices, const QString &value, QString &error)
{
    const QString v = value.simplified();
    if (v.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int n = v.mid(1).toInt(&ok);
        if (ok && n >= 0 && n < choices.size())
            return n;
        error = QStringLiteral("there is no item #%1 (#0 to #%2)").arg(v.mid(1)).arg(choices.size() - 1);
        return -1;
    }
    QVector<int> leading;
    for (int i = 0; i < choices.size(); ++i) {
        if (choices[i].compare(v, Qt::CaseInsensitive) == 0)
            return i;
        if (!v.isEmpty() && choices[i].startsWith(v, Qt::CaseInsensitive))
            leading.append(i);
    }
    if (leading.size() == 1)
        return leading.first();
    if (leading.size() > 1) {
        QStringList matched;
        for (int i : leading)
            matched << choices[i];
        error = QStringLiteral("\"%1\" could be any of %2").arg(v, Quoted(matched));
    } else {
        error = QStringLiteral("\"%1\" is not one of its values").arg(v);
    }
    return -1;
}

// A page of its own over a copy of the store, laid out as it opens.
struct OpenPage {
    SwitchStore work;
    PageState state;
    PageContext ctx;
    OpenPage(const SwitchStore &store, const PageDescription &page, Prompts &prompts, bool restricted,
             UserFontSession *fonts)
        : work(store), ctx{page, state, work, prompts, restricted, fonts}
    {
        CreateForm(ctx);
        LayoutForm(ctx);
    }
    // The page read back; the switches it does not edit keep the store's values.
    void StoreInto(SwitchStore &store)
    {
        ReadForm(ctx);
        for (int n = 1; n <= SwitchCount; ++n) {
            if (PageEdits(ctx.page, n))
                store.SetWholeValue(n, work.GetSwitchValue(n));
        }
    }
};

QString Greyed(const Setting &s, bool restricted)
{
    if (restricted && s.control->restricted)
        return s.key + QStringLiteral(" is greyed for the T-KOR run type and cannot be changed");
    return s.key + QStringLiteral(" is greyed by the page's other settings and cannot be changed now");
}

} // namespace

const SettingShown *Explanation::Find(const QString &key) const
{
    for (const SettingShown &s : settings) {
        if (s.setting->key.compare(key, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

QString ValueWords(const ControlEntry &c, const ControlState &state)
{
    switch (c.bind) {
    case Bind::Check:
        return state.checked ? QStringLiteral("on") : QStringLiteral("off");
    case Bind::List:
        if (!state.items.isEmpty())
            return state.index >= 0 && state.index < state.items.size() ? state.items[state.index].simplified() : QString();
        Q_FALLTHROUGH();
    case Bind::Options:
    case Bind::Own: {
        const QStringList &choices = SettingChoices(c);
        return state.index >= 0 && state.index < choices.size() ? choices[state.index] : QString();
    }
    case Bind::Text:
    case Bind::WholeText:
        return state.text.trimmed();
    case Bind::Label:
    case Bind::Rule:
        break;
    }
    return QString();
}

Explanation ExplainSettings(const SwitchStore &store, bool restricted, const UserFontSession *fonts)
{
    Explanation e;
    e.values = CurrentValues(store);
    SwitchStore toured = store;
    ScriptedPrompts quiet;
    std::optional<UserFontSession> session;
    if (fonts)
        session = *fonts;
    const QVector<Setting> &all = AllSettings();
    e.settings.resize(all.size());
    for (int i = 0; i < all.size(); ++i)
        e.settings[i].setting = &all[i];
    // Each page's settings take what it shows as it is laid out.
    auto laidOut = [&e](int index, const PageState &page) {
        for (SettingShown &v : e.settings) {
            const Setting &s = *v.setting;
            if (s.page != index)
                continue;
            if (const ControlState *state = page.Find(s.control->name))
                v.state = *state;
            // A user font group's box and list go grey with the frame they stand in.
            for (FontGroup group : {FontGroup::IsoStyle, FontGroup::MaterialList}) {
                const FontGroupControls &g = FontGroupControlsOf(group);
                const ControlState *frame = page.Find(g.frame);
                if (frame && !frame->enabled && (s.control->name == g.check || s.control->name == g.list))
                    v.state.enabled = false;
            }
        }
    };
    e.stopped = !TourPages(toured, quiet, restricted, session ? &*session : nullptr, laidOut);
    e.toured = CurrentValues(toured);
    e.messages = quiet.texts();
    for (SettingShown &v : e.settings)
        v.value = ValueWords(*v.setting->control, v.state);
    return e;
}

Explanation DefaultsExplanation(bool restricted, const UserFontSession *fonts)
{
    SwitchStore defaults;
    defaults.DefaultAllSwitches();
    return ExplainSettings(defaults, restricted, fonts);
}

const Explanation &Defaults(bool restricted)
{
    static const Explanation defaults[2] = {DefaultsExplanation(false, nullptr), DefaultsExplanation(true, nullptr)};
    return defaults[restricted ? 1 : 0];
}

QVector<int> SwitchesNoPageEdits()
{
    QVector<int> out;
    for (int n = 1; n <= SwitchCount; ++n) {
        bool edited = false;
        for (const Setting &s : AllSettings())
            edited = edited || PageEdits(*s.description, n);
        if (!edited)
            out.append(n);
    }
    return out;
}

bool SettingDiffers(const Setting &s, int32_t a, int32_t b) { return PositionsDiffer(*s.control, a, b); }

QString AllowedWords(const Setting &s, const ControlState &shown)
{
    const ControlEntry &c = *s.control;
    switch (c.bind) {
    case Bind::Check:
        return QStringLiteral("on, off");
    case Bind::Text:
    case Bind::WholeText:
        return EntryRangeText(EntryLimitsOf(c), EntryUnit(c)).mid(QStringLiteral("Allowed: ").size());
    default:
        return Quoted(ChoicesShown(c, shown)) + QStringLiteral(" (or #0 to #%1)").arg(ChoicesShown(c, shown).size() - 1);
    }
}

SettingEdit SetSetting(SwitchStore &store, Prompts &prompts, bool restricted, UserFontSession *fonts,
                       const Setting &s, const QString &value)
{
    const ControlEntry &c = *s.control;
    OpenPage open(store, *s.description, prompts, restricted, fonts);
    if (open.ctx.Stopped())
        return {false, QStringLiteral("the user font set-up of the page would end the editor")};
    ControlState &cs = open.state[c.name];
    if (!cs.enabled || !cs.visible)
        return {false, Greyed(s, restricted)};
    QString error;
    switch (c.bind) {
    case Bind::Check: {
        const QString v = value.trimmed().toLower();
        if (v != QLatin1String("on") && v != QLatin1String("off"))
            return {false, QStringLiteral("\"%1\" is not on or off").arg(value.trimmed())};
        cs.checked = v == QLatin1String("on");
        break;
    }
    case Bind::Text:
    case Bind::WholeText: {
        const QString typed = value.trimmed();
        // Taken as the field takes it as typed (a value under the minimum
        // the page states included: the field stores it as typed).
        const EntryCheck check = CheckEntry(EntryLimitsOf(c), typed);
        if (check != EntryCheck::Taken && check != EntryCheck::BelowMinimum)
            return {false, QStringLiteral("\"%1\" is not a value it takes").arg(typed)};
        cs.text = typed;
        break;
    }
    default: {
        const int i = ChoiceOf(ChoicesShown(c, cs), value, error);
        if (i < 0)
            return {false, error};
        if (c.bind != Bind::List) {
            const ControlState *button = open.state.Find(PageDescription::ButtonName(c, i));
            if (button && (!button->enabled || !button->visible))
                return {false, QStringLiteral("\"%1\" is greyed by the page's other settings").arg(ChoicesShown(c, cs)[i])};
        }
        cs.index = i;
        break;
    }
    }
    // The change rule, as the page runs it on the user's change; a rule
    // that answers with a message refuses the value.
    ScriptedPrompts watch;
    PageContext change{*s.description, open.state, open.work, watch, restricted, fonts};
    ControlChanged(change, c.name);
    if (!watch.messages.isEmpty())
        return {false, watch.texts().join(QLatin1Char(' '))};
    open.StoreInto(store);
    return {true, QString()};
}

SettingEdit ResetSetting(SwitchStore &store, Prompts &prompts, bool restricted, UserFontSession *fonts,
                         const Setting &s)
{
    const ControlEntry &c = *s.control;
    OpenPage open(store, *s.description, prompts, restricted, fonts);
    if (open.ctx.Stopped())
        return {false, QStringLiteral("the user font set-up of the page would end the editor")};
    const ControlState &cs = open.state[c.name];
    if (!cs.enabled || !cs.visible)
        return {false, Greyed(s, restricted)};
    SwitchValueSet values = ValuesReadBack(*s.description, open.state, open.work, restricted, fonts);
    const int n = c.switchNumber;
    values[n] = WithPositionsOf(c, values[n], SwitchStore::DefaultValue(n));
    RestoreValues(open.work, values);
    LayoutForm(open.ctx);
    open.StoreInto(store);
    return {true, QString()};
}

} // namespace swted
