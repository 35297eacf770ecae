#include "tools/TestListing.h"

#include "model/OptionsDocument.h"
#include "model/OptionsWriter.h"
#include "model/SwitchStore.h"

#include <QtGlobal>

namespace swted {

namespace {

const QLatin1String LineEnd("\r\n");
const QLatin1String Indent("    ");

// The first count lines of a list (fewer when the list is shorter).
void AppendLines(QString &out, const QStringList &lines, int count, bool indent)
{
    const int n = qMin(qMax(count, 0), static_cast<int>(lines.size()));
    for (int i = 0; i < n; ++i) {
        if (indent)
            out += Indent;
        out += lines[i];
        out += LineEnd;
    }
}

QString Blanks(int count) { return QString(qMax(count, 0), QLatin1Char(' ')); }

void AppendSwitchTable(QString &out, const OptionsDocument &doc, const SwitchStore &store)
{
    const int k = doc.SwitchesPerLine;
    if (k == 1) {
        const bool opl = doc.IsOplExtension();
        for (int n = 1; n <= SwitchCount; ++n) {
            const QString N = QString::number(n);
            const QString V = QString::number(store.GetSwitchValue(n));
            const QString T = WithoutLeadingBlanks(doc.LineTails[n]);
            out += Indent + N;
            if (opl)
                out += Blanks(8 - static_cast<int>(N.size())) + V + Blanks(21 - static_cast<int>(V.size()));
            else
                out += Blanks(doc.ValueEndColumn - static_cast<int>(N.size() + V.size())) + V + Blanks(20);
            out += T + LineEnd;
        }
        return;
    }
    if (k <= 0)
        return;
    for (int h = 1; h <= doc.SwitchLineCount; ++h) {
        const int first = k * (h - 1) + 1;
        if (first > SwitchCount)
            break;
        const int last = qMin(k * h, SwitchCount);
        for (int i = first; i <= last; ++i)
            out += Indent + QString::number(store.GetSwitchValue(i)).rightJustified(10, QLatin1Char(' '));
        out += QLatin1String("  ");
        if (h <= SwitchCount)
            out += doc.LineTails[h];
        out += LineEnd;
    }
}

} // namespace

TestListing BuildTestListing(const OptionsDocument &doc, const SwitchStore &store)
{
    TestListing listing;
    const auto &read = doc.AsRead;
    for (const QStringList *part : {&read.LeadLines, &read.HeadLines, &read.SwitchLines, &read.TrailerLines})
        AppendLines(listing.OpSw, *part, static_cast<int>(part->size()), false);

    AppendLines(listing.FileText, doc.LeadLines, doc.LeadLineCount, true);
    AppendLines(listing.FileText, doc.HeadLines, doc.HeadLineCount, true);
    AppendSwitchTable(listing.FileText, doc, store);
    AppendLines(listing.FileText, doc.TrailerLines, doc.TrailerLineCount, true);
    return listing;
}

bool TestingToolOn(const QString &environmentValue)
{
    return environmentValue.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0;
}

bool TestingToolOn() { return TestingToolOn(qEnvironmentVariable("OSTESTING")); }

QString ChoosePrinterFont(const QVector<FontFamily> &fonts)
{
    for (const FontFamily &f : fonts) {
        if (f.name.startsWith(QLatin1String("Courier")))
            return f.name;
    }
    for (const FontFamily &f : fonts) {
        if (f.fixedPitch)
            return f.name;
    }
    return fonts.isEmpty() ? QString() : fonts.first().name;
}

} // namespace swted
