#include "pages/SettingSearch.h"

#include "pages/PageDescriptions.h"
#include "pages/PageTour.h"

#include <QRegularExpression>

namespace swted {

namespace {

// A caption as the user reads it: access-key marks and line breaks gone.
QString Shown(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("&&"), QLatin1String("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

// Panel and frame keys that start with '~' have no title.
QString Title(const QString &caption) { return caption.startsWith(QLatin1Char('~')) ? QString() : Shown(caption); }

QString NameOf(const ControlEntry &c)
{
    if (!c.caption.isEmpty())
        return Shown(c.caption);
    if (!Title(c.frame).isEmpty())
        return Title(c.frame);
    if (c.bind == Bind::Options && !c.items.isEmpty())
        return Shown(c.items.first());
    return Title(c.panel);
}

} // namespace

QChar AccessKeyOf(const QString &caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return QChar();
}

QString PositionsText(const ControlEntry &c)
{
    const QString head = QStringLiteral("Switch %1").arg(c.switchNumber);
    if (c.width >= 9 || c.whole)
        return head + QStringLiteral(", whole value");
    if (c.width <= 1)
        return head + QStringLiteral(", position %1").arg(c.start);
    return head + QStringLiteral(", positions %1 to %2").arg(c.start).arg(c.start + c.width - 1);
}

QVector<SettingHit> SearchSettings(const QString &query)
{
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVector<SettingHit> hits;
    if (words.isEmpty())
        return hits;
    for (int index : AvailablePagesInStripOrder()) {
        const PageDescription &page = *PageDescriptionOf(index);
        for (const ControlEntry &c : page.controls) {
            if (c.bind == Bind::Rule || c.bind == Bind::Label || c.switchNumber <= 0)
                continue;
            QStringList texts{Shown(c.caption), Title(c.panel), Title(c.frame), Shown(c.unit)};
            for (const QString &item : c.items)
                texts << Shown(item);
            if (const TipEntry *tip = page.Tip(c.help))
                texts << tip->text;
            const QString haystack = texts.join(QLatin1Char('\n'));
            bool all = true;
            for (const QString &w : words) {
                bool number = false;
                const int n = w.toInt(&number);
                // A number names a switch, or stands as a word of its own in
                // a text ("24" does not match "i01" or "1/16").
                const bool match = number
                    ? n == c.switchNumber
                        || haystack.contains(QRegularExpression(QStringLiteral("(^|[^0-9])") + w + QStringLiteral("($|[^0-9])")))
                    : haystack.contains(w, Qt::CaseInsensitive);
                if (!match) {
                    all = false;
                    break;
                }
            }
            if (all)
                hits.append(SettingHit{index, c.subPage, Title(c.panel), Title(c.frame), c.name, NameOf(c), c.switchNumber});
        }
    }
    return hits;
}

} // namespace swted
