// The reference of the settings in Markdown, and settings and file values as JSON.
#include "settings/SettingsText.h"

#include "pages/Bindings.h"
#include "pages/ControlWords.h"
#include "pages/SettingSearch.h"

#include <QJsonValue>

namespace swted {

namespace {

QString PlainTitle(const QString &caption) { return TitleOf(caption).simplified(); }

QJsonValue PositionsJson(const ControlEntry &c)
{
    if (c.width >= 9 || c.whole)
        return QStringLiteral("whole");
    return QJsonArray{c.start, c.start + c.width - 1};
}

void AddPlace(QJsonObject &o, const Setting &s)
{
    const ControlEntry &c = *s.control;
    o[QStringLiteral("key")] = s.key;
    o[QStringLiteral("page")] = CaptionAsShown(s.description->tabCaption);
    o[QStringLiteral("subPage")] = c.subPage;
    o[QStringLiteral("panel")] = PlainTitle(c.panel);
    o[QStringLiteral("frame")] = PlainTitle(c.frame);
    o[QStringLiteral("caption")] = CaptionAsShown(c.caption).simplified();
    o[QStringLiteral("control")] = c.name;
    o[QStringLiteral("kind")] = SettingKind(c);
    o[QStringLiteral("switch")] = c.switchNumber;
    o[QStringLiteral("positions")] = PositionsJson(c);
}

QString Cell(const QString &text) { return text.isEmpty() ? QStringLiteral("\u2014") : text; }

} // namespace

QString SettingCaption(const Setting &s)
{
    const ControlEntry &c = *s.control;
    for (const QString &name : {CaptionAsShown(c.caption).simplified(), PlainTitle(c.frame), PlainTitle(c.panel)}) {
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

QString SettingTip(const Setting &s)
{
    const TipEntry *tip = s.description->Tip(s.control->help);
    return tip ? tip->text.simplified() : QString();
}

QString SettingsReference()
{
    const Explanation &defaults = Defaults(false);
    QString md;
    md += QStringLiteral("# Settings reference\n\n"
                         "Every setting of the pages by its key, as `swted-cli settings` prints it. "
                         "The keys are the public names of the settings: `swted-cli get`, `set`, `reset`, "
                         "`explain` and `diff` take and print them. Once released, a key never changes.\n\n"
                         "Values: a list or an option group takes one of its items (by its text, a unique "
                         "leading part of it, or `#N` for the item of index N from 0); a check box `on` or "
                         "`off`; a field a number in its range. Defaults are the values the page shows for a "
                         "file of the built-in defaults. \"T-KOR\": greyed when the configuration's run type "
                         "is T-KOR.\n\n"
                         "This file is generated: `build/swted-cli settings > docs/settings.md`.\n");
    int page = -1;
    for (int i = 0; i < AllSettings().size(); ++i) {
        const Setting &s = AllSettings()[i];
        const ControlEntry &c = *s.control;
        if (s.page != page) {
            page = s.page;
            md += QStringLiteral("\n## %1\n").arg(CaptionAsShown(s.description->tabCaption));
        }
        const SettingShown &d = defaults.settings[i];
        md += QStringLiteral("\n### `%1`\n\n").arg(s.key);
        QString where = QStringLiteral("Sub-page %1 \u203a %2").arg(c.subPage).arg(Cell(PlainTitle(c.panel)));
        if (!PlainTitle(c.frame).isEmpty())
            where += QStringLiteral(" \u203a ") + PlainTitle(c.frame);
        md += QStringLiteral("- Where: %1 \u203a %2 (`%3`, %4)\n")
                  .arg(where, Cell(CaptionAsShown(c.caption).simplified()), c.name, SettingKind(c));
        md += QStringLiteral("- Switch: %1\n").arg(PositionsText(c).mid(7));
        md += QStringLiteral("- Values: %1\n").arg(AllowedWords(s, d.state));
        md += QStringLiteral("- Default: %1\n").arg(Cell(d.value));
        md += QStringLiteral("- T-KOR: %1\n").arg(c.restricted ? QStringLiteral("greyed") : QStringLiteral("usable"));
        const QString tip = SettingTip(s);
        if (!tip.isEmpty())
            md += QStringLiteral("- Tip: %1\n").arg(tip);
    }
    return md;
}

QJsonArray SettingsSchemaJson()
{
    const Explanation &defaults = Defaults(false);
    QJsonArray all;
    for (int i = 0; i < AllSettings().size(); ++i) {
        const Setting &s = AllSettings()[i];
        const ControlEntry &c = *s.control;
        QJsonObject o;
        AddPlace(o, s);
        const SettingShown &d = defaults.settings[i];
        if (c.bind == Bind::Text || c.bind == Bind::WholeText) {
            const EntryLimits limits = EntryLimitsOf(c);
            o[QStringLiteral("range")] = QJsonObject{{QStringLiteral("from"), LowestEntry(limits)},
                                                     {QStringLiteral("to"), limits.most},
                                                     {QStringLiteral("minimum"), qMax(limits.least, LowestEntry(limits))},
                                                     {QStringLiteral("unit"), EntryUnit(c)},
                                                     {QStringLiteral("defaultText"), limits.defaultText}};
        } else if (c.bind != Bind::Check) {
            o[QStringLiteral("items")] = QJsonArray::fromStringList(SettingChoices(c));
        }
        o[QStringLiteral("allowed")] = AllowedWords(s, d.state);
        o[QStringLiteral("default")] = d.value;
        o[QStringLiteral("restrictedForTKor")] = c.restricted;
        o[QStringLiteral("tip")] = SettingTip(s);
        all.append(o);
    }
    return all;
}

QJsonObject SettingJson(const SettingShown &shown, const QString &defaultWords)
{
    const ControlEntry &c = *shown.setting->control;
    QJsonObject o;
    AddPlace(o, *shown.setting);
    o[QStringLiteral("value")] = shown.value;
    switch (c.bind) {
    case Bind::Check:
        o[QStringLiteral("checked")] = shown.state.checked;
        break;
    case Bind::Text:
    case Bind::WholeText:
        o[QStringLiteral("text")] = shown.state.text;
        break;
    default: {
        o[QStringLiteral("index")] = shown.state.index;
        QStringList items = c.bind == Bind::List && !shown.state.items.isEmpty() ? shown.state.items : SettingChoices(c);
        for (QString &item : items)
            item = item.simplified();
        o[QStringLiteral("items")] = QJsonArray::fromStringList(items);
        break;
    }
    }
    o[QStringLiteral("enabled")] = shown.state.enabled;
    o[QStringLiteral("default")] = defaultWords;
    return o;
}

} // namespace swted
