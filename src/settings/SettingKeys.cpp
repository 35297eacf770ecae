// Keys of the settings, made from the captions a user reads on the pages.
#include "settings/SettingKeys.h"

#include "pages/ControlWords.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTour.h"
#include "pages/XWelding_1.h"

#include <QHash>
#include <QRegularExpression>

namespace swted {

namespace {

// The weld table's options carry no captions of their own: each stands for
// a cell of the table, named by its column and row.
QStringList WeldTableCaptions()
{
    QStringList captions;
    for (int k = 1; k <= 12; ++k) {
        const XWelding_1::WeldOption &o = XWelding_1::WeldTable(k);
        captions << QStringLiteral("Plotted: ") + XWelding_1::PlottedHead(o.plotted) + QStringLiteral(", numbered: ")
                        + XWelding_1::NumberedHead(o.numbered);
    }
    return captions;
}

bool IsWeldTable(const ControlEntry &c) { return c.bind == Bind::Own && c.name == QLatin1String("Opt_5354_Option"); }

} // namespace

QString KeyWords(const QString &caption)
{
    if (caption.startsWith(QLatin1Char('~')))
        return QString();
    static const QRegularExpression remark(QStringLiteral("\\([^)]*\\)"));
    static const QRegularExpression wordChars(QStringLiteral("[a-z0-9]"));
    static const QRegularExpression breaks(QStringLiteral("[^a-z0-9]+"));
    QString text = CaptionAsShown(caption).toLower();
    text.remove(QLatin1Char('\'')).remove(QChar(0x2019));
    QString bare = text;
    bare.remove(remark);
    if (bare.contains(wordChars))
        text = bare;
    QStringList words = text.split(breaks, Qt::SkipEmptyParts);
    if (words.size() > 6)
        words = words.mid(0, 6);
    return words.join(QLatin1Char('-'));
}

QString SettingKeyOf(const PageDescription &page, const ControlEntry &c)
{
    QStringList parts{KeyWords(page.tabCaption), KeyWords(c.panel), KeyWords(c.frame),
                      c.key.isEmpty() ? KeyWords(c.caption) : c.key};
    parts.removeAll(QString());
    return parts.join(QLatin1Char('.'));
}

bool IsSetting(const ControlEntry &c)
{
    if (c.switchNumber <= 0)
        return false;
    switch (c.bind) {
    case Bind::Check:
    case Bind::Options:
    case Bind::List:
    case Bind::Text:
    case Bind::WholeText:
        return true;
    case Bind::Own:
        return IsWeldTable(c);
    case Bind::Label:
    case Bind::Rule:
        break;
    }
    return false;
}

const QVector<Setting> &AllSettings()
{
    static const QVector<Setting> settings = [] {
        QVector<Setting> all;
        for (int index : AvailablePagesInStripOrder()) {
            const PageDescription *page = PageDescriptionOf(index);
            for (const ControlEntry &c : page->controls) {
                if (IsSetting(c))
                    all.append(Setting{SettingKeyOf(*page, c), index, page, &c});
            }
        }
        return all;
    }();
    return settings;
}

const Setting *FindSetting(const QString &key)
{
    static const QHash<QString, int> byKey = [] {
        QHash<QString, int> keys;
        const QVector<Setting> &all = AllSettings();
        for (int i = 0; i < all.size(); ++i)
            keys.insert(all[i].key, i);
        return keys;
    }();
    const auto it = byKey.constFind(key.trimmed().toLower());
    return it == byKey.cend() ? nullptr : &AllSettings()[*it];
}

const Setting *SettingOfControl(int page, const QString &controlName)
{
    static const QHash<QString, const Setting *> byControl = [] {
        QHash<QString, const Setting *> controls;
        for (const Setting &s : AllSettings())
            controls.insert(QString::number(s.page) + QLatin1Char(' ') + s.control->name, &s);
        return controls;
    }();
    return byControl.value(QString::number(page) + QLatin1Char(' ') + controlName);
}

QString SettingKind(const ControlEntry &c)
{
    switch (c.bind) {
    case Bind::Check:
        return QStringLiteral("check");
    case Bind::Options:
    case Bind::Own:
        return QStringLiteral("options");
    case Bind::List:
        return QStringLiteral("list");
    default:
        return QStringLiteral("text");
    }
}

const QStringList &SettingChoices(const ControlEntry &c)
{
    // The descriptions live as long as the program: their choices are made once.
    static QHash<const ControlEntry *, QStringList> made;
    auto it = made.find(&c);
    if (it != made.end())
        return *it;
    QStringList choices;
    if (IsWeldTable(c)) {
        choices = WeldTableCaptions();
    } else {
        for (const QString &item : c.items)
            choices << (c.bind == Bind::List ? item.simplified() : CaptionAsShown(item).simplified());
    }
    return *made.insert(&c, choices);
}

} // namespace swted
