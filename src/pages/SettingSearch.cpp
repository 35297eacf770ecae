#include "pages/SettingSearch.h"

#include "pages/ControlWords.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTour.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace swted {

namespace {

// group: the caption of the group a page builds the control into, if any.
QString NameOf(const ControlEntry &c, const QString &group)
{
    if (!CaptionAsShown(c.caption).trimmed().isEmpty())
        return CaptionAsShown(c.caption).trimmed();
    if (c.customBuild && !group.isEmpty())
        return group;
    if (!TitleOf(c.frame).isEmpty())
        return TitleOf(c.frame);
    // A list or group without a caption of its own is named by its first
    // choice: its panel's title alone would name every list of the panel.
    if (!c.items.isEmpty() && !c.items.first().trimmed().isEmpty()) {
        const QString first = c.bind == Bind::List ? c.items.first().trimmed() : CaptionAsShown(c.items.first());
        return first + (c.items.size() > 1 ? QStringLiteral(" \u2026") : QString());
    }
    return TitleOf(c.panel);
}

// The first sentence of a tip, on one line.
QString FirstSentence(const QString &tip)
{
    const QString t = tip.simplified();
    const qsizetype end = t.indexOf(QStringLiteral(". "));
    return end < 0 ? t : t.left(end + 1);
}

bool WordIn(const QString &word, bool number, const QString &text)
{
    // A number stands as a word of its own in a text ("24" does not match
    // "i01" or "1/16").
    if (number)
        return text.contains(QRegularExpression(QStringLiteral("(^|[^0-9])") + QRegularExpression::escape(word)
                                                + QStringLiteral("($|[^0-9])")));
    return text.contains(word, Qt::CaseInsensitive);
}

// How well the words name a control: 0 best; -1 when some word does not
// match at all.
int Rank(const QStringList &words, const ControlEntry &c, const QStringList &own, const QStringList &where,
         const QStringList &items, const QString &tip)
{
    int worst = 0;
    for (const QString &w : words) {
        bool number = false;
        const int n = w.toInt(&number);
        int rank = -1;
        if (number && n == c.switchNumber)
            rank = 0;
        else if (WordIn(w, number, own.join(QLatin1Char('\n'))))
            rank = 1;
        else if (WordIn(w, number, where.join(QLatin1Char('\n'))))
            rank = 2;
        else if (WordIn(w, number, items.join(QLatin1Char('\n'))))
            rank = 3;
        else if (WordIn(w, number, tip))
            rank = 4;
        if (rank < 0)
            return -1;
        worst = qMax(worst, rank);
    }
    return worst;
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

QString SettingHit::Where() const
{
    QStringList parts;
    for (const QString &part : {panel, frame, caption}) {
        if (!part.trimmed().isEmpty() && !parts.contains(part, Qt::CaseInsensitive))
            parts << part;
    }
    return parts.join(QStringLiteral(" \u203A "));
}

QVector<SettingHit> SearchSettings(const QString &query, const SettingFilter &keep)
{
    QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVector<SettingHit> hits;
    if (words.isEmpty())
        return hits;
    const int all = int(words.size());
    words.erase(std::remove_if(words.begin(), words.end(), [](const QString &w) { return w.startsWith(QLatin1Char('@')); }),
                words.end());
    const bool filtered = words.size() < all;
    QVector<int> ranks;
    for (int index : AvailablePagesInStripOrder()) {
        const PageDescription &page = *PageDescriptionOf(index);
        // The captions of the groups a page builds itself, by panel: the
        // controls built into a group without a caption of their own are
        // named by it.
        QHash<QString, QString> groups;
        for (const ControlEntry &c : page.controls) {
            if (c.bind == Bind::Own && !c.caption.isEmpty())
                groups[c.panel] = CaptionAsShown(c.caption);
            if (c.bind == Bind::Rule || c.bind == Bind::Label || c.switchNumber <= 0)
                continue;
            if (filtered && (!keep || !keep(index, c)))
                continue;
            // Option and check captions carry access keys; list items are
            // shown as they stand ("Supports & Message").
            QStringList items;
            for (const QString &item : c.items)
                items << (c.bind == Bind::List ? item : CaptionAsShown(item));
            const TipEntry *tip = page.Tip(c.help);
            const QString tipText = tip ? tip->text : QString();
            const int rank = Rank(words, c, {CaptionAsShown(c.caption), CaptionAsShown(c.unit)}, {TitleOf(c.panel), TitleOf(c.frame)}, items,
                                  tipText);
            if (rank < 0)
                continue;
            SettingHit hit{index, c.subPage, TitleOf(c.panel), TitleOf(c.frame), c.name, NameOf(c, groups.value(c.panel)),
                           c.switchNumber, FirstSentence(tipText)};
            // One row per setting: the digits of one size in two fields,
            // a group and the list inside it, are one.
            bool same = false;
            for (int i = 0; i < hits.size() && !same; ++i) {
                if (hits[i].page == index && hits[i].switchNumber == hit.switchNumber && hits[i].Where() == hit.Where()) {
                    ranks[i] = qMin(ranks[i], rank);
                    same = true;
                }
            }
            if (!same) {
                hits.append(hit);
                ranks.append(rank);
            }
        }
    }
    QVector<int> order(hits.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&ranks](int a, int b) { return ranks[a] < ranks[b]; });
    QVector<SettingHit> sorted;
    sorted.reserve(hits.size());
    for (int i : order)
        sorted.append(hits[i]);
    return sorted;
}

} // namespace swted
