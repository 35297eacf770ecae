// The settings report as HTML, grouped as the pages show the settings, and its writing to disk.
#include "settings/SettingsReport.h"

#include "model/AtomicFile.h"
#include "model/FileSystem.h"
#include "model/SwitchStore.h"
#include "model/TextFile.h"
#include "pages/ControlWords.h"
#include "settings/SettingsText.h"
#include "shell/Editor.h"

#include <QRegularExpression>
#include <algorithm>
#include <tuple>
#include <sys/stat.h>

namespace swted {

namespace {

// Escaped for HTML, each line break of a message kept as one.
QString Html(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.toHtmlEscaped().replace(breaks, QStringLiteral("<br>"));
}

QString Words(const QString &value) { return value.isEmpty() ? QStringLiteral("(none)") : value; }

// A panel's or frame's title as the page shows it; empty for one that is
// only a key ('~').
QString ReportTitle(const QString &caption)
{
    if (caption.startsWith(QLatin1Char('~')))
        return QString();
    QString t = CaptionAsShown(caption).simplified();
    while (t.endsWith(QLatin1Char(':')))
        t.chop(1);
    return t.trimmed();
}

QString When(const QDateTime &t)
{
    return t.isValid() ? t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("unknown");
}

// Print first: black on white, a size that reads on paper; a browser shows
// the same. Kept to what Qt's rich text also draws: one class a cell,
// lengths of boxes in px (1/96 inch, on paper too).
const char *const StyleSheet =
    "body { font-family: 'DejaVu Sans', Arial, Helvetica, sans-serif; font-size: 9pt; color: #000; background: #fff; }\n"
    "h1 { font-size: 15pt; margin-top: 0; margin-bottom: 8px; }\n"
    "h2 { font-size: 12.5pt; margin-top: 22px; margin-bottom: 2px; }\n"
    "h3 { font-size: 9.5pt; margin-top: 12px; margin-bottom: 3px; color: #333; }\n"
    "table { border-collapse: collapse; }\n"
    "td { vertical-align: top; }\n"
    "td.what { color: #555; padding: 1px 16px 1px 0; }\n"
    "td.setting, td.value { padding: 3px 5px 0 5px; }\n"
    "td.framed { padding: 3px 5px 0 20px; }\n"
    "td.key, td.framed-key { padding: 0 5px 3px 5px; border-bottom: 1px solid #c8c8c8;"
    " font-family: 'DejaVu Sans Mono', 'Courier New', monospace; font-size: 7pt; color: #555; }\n"
    "td.framed-key { padding-left: 20px; }\n"
    "td.frame { font-style: italic; color: #333; padding: 6px 5px 1px 5px; }\n"
    "td.head { color: #555; padding: 3px 5px; border-bottom: 1px solid #888; }\n"
    "td.number { text-align: right; padding: 3px 5px; border-bottom: 1px solid #c8c8c8; }\n"
    "td.switch { padding: 3px 5px; border-bottom: 1px solid #c8c8c8; }\n"
    "span.greyed, span.default, p.note { color: #666; }\n"
    "span.default { font-size: 8pt; }\n";

// The settings of one panel of a page, in the order of the description.
struct PanelRows {
    int subPage = 1, row = 0, column = 0, first = 0;
    QString title;
    QVector<int> settings; // indexes into the explanation
};

// The panels of a page as they stand: sub-page by sub-page, row by row,
// each row from the left.
QVector<PanelRows> PanelsOf(const Explanation &e, int page)
{
    QVector<PanelRows> panels;
    for (int i = 0; i < e.settings.size(); ++i) {
        const Setting &s = *e.settings[i].setting;
        if (s.page != page)
            continue;
        const ControlEntry &c = *s.control;
        auto it = std::find_if(panels.begin(), panels.end(), [&c](const PanelRows &p) {
            return p.subPage == c.subPage && p.title == c.panel;
        });
        if (it == panels.end()) {
            PanelRows p;
            p.subPage = c.subPage;
            p.title = c.panel;
            p.first = i;
            // A panel the description does not place goes after the placed ones.
            p.row = p.column = 1 << 20;
            for (const PanelEntry &entry : s.description->panels) {
                if (entry.caption == c.panel && entry.subPage == c.subPage) {
                    p.row = entry.row;
                    p.column = entry.column;
                    break;
                }
            }
            panels.append(p);
            it = panels.end() - 1;
        }
        it->settings.append(i);
    }
    std::stable_sort(panels.begin(), panels.end(), [](const PanelRows &a, const PanelRows &b) {
        return std::tie(a.subPage, a.row, a.column, a.first) < std::tie(b.subPage, b.row, b.column, b.first);
    });
    return panels;
}

// A setting in two rows: its caption and value, then its key across both.
QString SettingRow(const SettingShown &shown, const SettingShown *defaults, bool framed)
{
    const Setting &s = *shown.setting;
    QString caption = SettingCaption(s);
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    QString row = QStringLiteral("<tr><td class=\"%1\" width=\"58%\">%2</td><td class=\"value\">%3")
                      .arg(framed ? QStringLiteral("framed") : QStringLiteral("setting"), Html(caption.trimmed()),
                           Html(Words(shown.value)));
    if (!shown.state.enabled)
        row += QStringLiteral(" <span class=\"greyed\">(greyed)</span>");
    if (defaults)
        row += QStringLiteral("<br><span class=\"default\">Default: %1</span>").arg(Html(Words(defaults->value)));
    return row + QStringLiteral("</td></tr>\n<tr><td class=\"%1\" colspan=\"2\">%2</td></tr>\n")
                     .arg(framed ? QStringLiteral("framed-key") : QStringLiteral("key"), Html(s.key));
}

} // namespace

QString SettingsReportHtml(const SettingsReportInput &input)
{
    const Explanation &e = input.explanation;
    const QString name = Printable(input.filePath.mid(LastSeparator(input.filePath) + 1));
    auto isDefault = [&input, &e](int i) {
        return i < input.defaults.settings.size() && e.settings[i].value == input.defaults.settings[i].value;
    };
    int shown = 0;
    for (int i = 0; i < e.settings.size(); ++i)
        shown += input.nonDefaultOnly ? !isDefault(i) : 1;

    QString h;
    h += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n");
    h += QStringLiteral("<title>Settings of %1</title>\n").arg(Html(name));
    h += QStringLiteral("<style>\n") + QLatin1String(StyleSheet) + QStringLiteral("</style>\n</head>\n<body>\n");
    h += QStringLiteral("<h1>Settings of %1</h1>\n").arg(Html(name));
    h += QStringLiteral("<table class=\"facts\" cellspacing=\"0\" cellpadding=\"1\">\n");
    auto fact = [&h](const QString &what, const QString &text) {
        h += QStringLiteral("<tr><td class=\"what\">%1</td><td>%2</td></tr>\n").arg(what, text);
    };
    fact(QStringLiteral("File"), Html(Printable(input.filePath)));
    QString type = Html(input.extension);
    if (!input.typeDescription.isEmpty())
        type += QStringLiteral(" (%1)").arg(Html(input.typeDescription));
    fact(QStringLiteral("Type"), type);
    fact(QStringLiteral("File last changed"), When(input.fileTime));
    fact(QStringLiteral("Report made"), When(input.reportTime));
    fact(QStringLiteral("Settings shown"),
         input.nonDefaultOnly ? QStringLiteral("%1 of %2: only those not at their defaults").arg(shown).arg(e.settings.size())
                              : QStringLiteral("all %1").arg(e.settings.size()));
    h += QStringLiteral("</table>\n");
    if (input.unsavedChanges)
        h += QStringLiteral("<p class=\"note\">The settings include changes not saved to the file yet.</p>\n");
    if (e.stopped)
        h += QStringLiteral("<p class=\"note\">The user font set-up of a page would end the editor (see the messages "
                            "below): that page and the pages after it could not be laid out, so their settings show "
                            "no value.</p>\n");

    for (int i = 0; i < e.settings.size();) {
        const Setting &first = *e.settings[i].setting;
        const int page = first.page;
        h += QStringLiteral("\n<h2>%1</h2>\n").arg(Html(CaptionAsShown(first.description->tabCaption).simplified()));
        bool any = false;
        for (const PanelRows &panel : PanelsOf(e, page)) {
            QString rows;
            QString frame;
            for (int k : panel.settings) {
                if (input.nonDefaultOnly && isDefault(k))
                    continue;
                const QString f = ReportTitle(e.settings[k].setting->control->frame);
                if (f != frame && !f.isEmpty())
                    rows += QStringLiteral("<tr><td class=\"frame\" colspan=\"2\">%1</td></tr>\n").arg(Html(f));
                frame = f;
                rows += SettingRow(e.settings[k], input.nonDefaultOnly && k < input.defaults.settings.size()
                                                      ? &input.defaults.settings[k] : nullptr,
                                   !f.isEmpty());
            }
            if (rows.isEmpty())
                continue;
            any = true;
            const QString title = ReportTitle(panel.title);
            if (!title.isEmpty())
                h += QStringLiteral("<h3>%1</h3>\n").arg(Html(title));
            h += QStringLiteral("<table class=\"settings\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">\n")
                 + rows + QStringLiteral("</table>\n");
        }
        if (!any)
            h += QStringLiteral("<p class=\"note\">Every setting of this page is at its default.</p>\n");
        while (i < e.settings.size() && e.settings[i].setting->page == page)
            ++i;
    }

    // The switches no page edits, four to a row, by number.
    QVector<int> others;
    for (int n : SwitchesNoPageEdits()) {
        if (!input.nonDefaultOnly || e.values[n] != SwitchStore::DefaultValue(n))
            others.append(n);
    }
    h += QStringLiteral("\n<h2>Switches no page edits</h2>\n");
    if (others.isEmpty()) {
        h += QStringLiteral("<p class=\"note\">Every one of them is at its default.</p>\n");
    } else {
        constexpr int PerRow = 4;
        h += QStringLiteral("<table class=\"switches\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">\n<tr>");
        for (int k = 0; k < PerRow; ++k)
            h += QStringLiteral("<td class=\"head\" width=\"8%\">Switch</td><td class=\"head\" width=\"17%\">Value</td>");
        h += QStringLiteral("</tr>\n");
        for (int k = 0; k < others.size(); k += PerRow) {
            h += QStringLiteral("<tr>");
            for (int j = k; j < k + PerRow; ++j) {
                if (j < others.size())
                    h += QStringLiteral("<td class=\"number\">%1</td><td class=\"switch\">%2</td>").arg(others[j]).arg(e.values[others[j]]);
                else
                    h += QStringLiteral("<td></td><td></td>");
            }
            h += QStringLiteral("</tr>\n");
        }
        h += QStringLiteral("</table>\n");
    }

    if (!e.messages.isEmpty()) {
        h += QStringLiteral("\n<h2>Messages of the pages</h2>\n<ul>\n");
        for (const QString &m : e.messages)
            h += QStringLiteral("<li>%1</li>\n").arg(Html(Printable(m)));
        h += QStringLiteral("</ul>\n");
    }
    h += QStringLiteral("</body>\n</html>\n");
    return h;
}

QDateTime FileModifiedTime(const QString &path)
{
    struct stat st;
    if (::stat(NativePath(path).constData(), &st) != 0)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
}

SettingsReportInput SettingsReportInputOf(Editor &editor, bool nonDefaultOnly)
{
    SettingsReportInput input;
    input.filePath = editor.file.CurrentFilePath;
    input.extension = editor.file.CurrentExtension;
    for (const FileType &t : editor.config.FileTypes) {
        if (t.Extension.compare(input.extension, Qt::CaseInsensitive) == 0) {
            input.typeDescription = t.Description;
            break;
        }
    }
    input.fileTime = FileModifiedTime(input.filePath);
    input.reportTime = QDateTime::currentDateTime();
    const bool restricted = editor.config.RunTypeRestricted;
    input.explanation = ExplainSettings(editor.store, restricted, &editor.Fonts());
    input.defaults = DefaultsExplanation(restricted, &editor.Fonts());
    input.nonDefaultOnly = nonDefaultOnly;
    input.unsavedChanges = editor.HasUnsavedChanges();
    return input;
}

bool WriteReportFile(const QString &path, const QByteArray &bytes, QString *error, bool force)
{
    const SaveTarget target = ResolveSaveTarget(path, force);
    if (!target.refusal.isEmpty()) {
        if (error)
            *error = target.refusal;
        return false;
    }
    const FileIdentity identity = target.exists ? IdentityOf(target.path) : FileIdentity{};
    return WriteFileAtomically(target.path, bytes, identity, error);
}

QString ReportWriteFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write the report %1: %2.").arg(Printable(path), reason);
}

} // namespace swted
