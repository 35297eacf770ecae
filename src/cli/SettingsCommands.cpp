// settings, explain, get, set, reset and diff: the settings of options files by key, in words.
#include "SettingsCommands.h"

#include "Cli.h"
#include "CliSupport.h"
#include "model/FileSystem.h"
#include "model/SwitchStore.h"
#include "pages/ControlWords.h"
#include "pages/EditHistory.h"
#include "pages/PageDescriptions.h"
#include "settings/SettingCompare.h"
#include "settings/SettingValues.h"
#include "settings/SettingsText.h"
#include "shell/FileCommands.h"
#include "shell/ScriptedPrompts.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace swted {

namespace {

const QRegularExpression &KeyForm()
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    return form;
}

bool LooksLikeKey(const QString &arg) { return KeyForm().match(arg).hasMatch() && !QFileInfo::exists(arg); }

bool IsKeyAssignment(const QString &arg)
{
    const int eq = arg.indexOf(QLatin1Char('='));
    return eq > 0 && KeyForm().match(arg.left(eq)).hasMatch();
}

// The options and the other arguments of a command line.
struct Arguments {
    bool json = false, dryRun = false, changed = false, nonDefault = false, keysOnly = false;
    QStringList files, keys;
    QVector<QPair<QString, QString>> assignments;
};

Arguments Split(const QString &command, const QStringList &args)
{
    Arguments a;
    QStringList rest;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--json"))
            a.json = true;
        else if (arg == QLatin1String("--dry-run"))
            a.dryRun = true;
        else if (arg == QLatin1String("--changed"))
            a.changed = true;
        else if (arg == QLatin1String("--non-default"))
            a.nonDefault = true;
        else if (arg == QLatin1String("--keys") && command == QLatin1String("settings"))
            a.keysOnly = true;
        else
            rest << arg;
    }
    for (const QString &arg : rest) {
        if (command == QLatin1String("set") && IsKeyAssignment(arg)) {
            const int eq = arg.indexOf(QLatin1Char('='));
            a.assignments.append({arg.left(eq), arg.mid(eq + 1)});
        } else if ((command == QLatin1String("get") || command == QLatin1String("reset")) && !a.files.isEmpty()
                   && (LooksLikeKey(arg) || !a.keys.isEmpty())) {
            a.keys << arg;
        } else {
            a.files << arg;
        }
    }
    return a;
}

QString Json(const QJsonValue &v)
{
    const QJsonDocument doc = v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject());
    QString text = QString::fromUtf8(doc.toJson(QJsonDocument::Indented));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    return text;
}

// Where a setting stands, as a reader finds it: "Plotted Iso › PAPER SETTINGS › Width".
QString Place(const Setting &s)
{
    QStringList parts{CaptionAsShown(s.description->tabCaption)};
    for (const QString &part : {CaptionAsShown(s.control->panel), CaptionAsShown(s.control->frame), SettingCaption(s)}) {
        QString p = part.simplified();
        while (p.endsWith(QLatin1Char(':')))
            p.chop(1);
        if (!p.isEmpty() && !p.startsWith(QLatin1Char('~')) && p != parts.last())
            parts << p;
    }
    return parts.join(QStringLiteral(" \u203a "));
}

// A file read into an editor of its own, its reading messages kept.
struct ReadOptions {
    ScriptedPrompts said;
    SingleFile single;
    bool read;
    ReadOptions(const Editor &shared, const QString &path) : single(said, shared), read(ReadFile(single.editor, path)) {}
    Explanation Explain() { return ExplainSettings(single.editor.store, single.editor.config.RunTypeRestricted, &single.editor.Fonts()); }
    // The built-in defaults as the pages show them beside this file (its
    // user fonts and run type).
    Explanation Defaults()
    {
        return DefaultsExplanation(single.editor.config.RunTypeRestricted, &single.editor.Fonts());
    }
};

QString Words(const QString &value) { return value.isEmpty() ? QStringLiteral("(none)") : value; }

// The settings of the pages a change touched whose words differ before and after.
QVector<QPair<const Setting *, QPair<QString, QString>>> ChangedSettings(const QSet<int> &pages, const SwitchValueSet &before,
                                                                          const SwitchValueSet &after, bool restricted,
                                                                          const UserFontSession *fonts)
{
    QVector<QPair<const Setting *, QPair<QString, QString>>> out;
    for (int page : pages) {
        const PageDescription &d = *PageDescriptionOf(page);
        const ValuesView a = ViewOfValues(d, before, restricted, fonts);
        const ValuesView b = ViewOfValues(d, after, restricted, fonts);
        for (const Setting &s : AllSettings()) {
            if (s.page != page)
                continue;
            const ControlState empty;
            const ControlState *sa = a.state.Find(s.control->name);
            const ControlState *sb = b.state.Find(s.control->name);
            const QString wa = ValueWords(*s.control, sa ? *sa : empty);
            const QString wb = ValueWords(*s.control, sb ? *sb : empty);
            if (wa != wb)
                out.append({&s, {wa, wb}});
        }
    }
    return out;
}

int Explain(const Arguments &a, const Editor &editor, QTextStream &out, QTextStream &err)
{
    int status = CliDone;
    QJsonArray files;
    const bool several = a.files.size() > 1;
    for (const QString &path : a.files) {
        ReadOptions file(editor, path);
        if (!file.read) {
            for (const QString &text : file.said.texts())
                PrintPrefixed(err, path, text);
            status = Worse(status, CliFileFailed);
            continue;
        }
        const Explanation e = file.Explain();
        const Explanation defaults = a.json || a.nonDefault ? file.Defaults() : Explanation();
        QJsonArray settings;
        const QString prefix = several ? Printable(path) + QStringLiteral(": ") : QString();
        for (int i = 0; i < e.settings.size(); ++i) {
            const SettingShown &shown = e.settings[i];
            const Setting &s = *shown.setting;
            const int n = s.control->switchNumber;
            if (a.nonDefault && shown.value == defaults.settings[i].value)
                continue;
            if (a.changed && !SettingDiffers(s, e.values[n], e.toured[n]))
                continue;
            if (a.json)
                settings.append(SettingJson(shown, defaults.settings[i].value));
            else
                out << prefix << Place(s) << ": " << Words(shown.value) << "  [" << s.key << "]\n";
        }
        const QStringList messages = file.said.texts() + e.messages;
        QJsonArray switches;
        for (int n : SwitchesNoPageEdits()) {
            if (a.nonDefault && e.values[n] == SwitchStore::DefaultValue(n))
                continue;
            if (a.changed)
                continue;
            if (a.json)
                switches.append(QJsonObject{{QStringLiteral("switch"), n}, {QStringLiteral("value"), int(e.values[n])}});
            else
                out << prefix << "switch " << n << " (no page edits it): " << e.values[n] << '\n';
        }
        if (a.json) {
            files.append(QJsonObject{{QStringLiteral("file"), path},
                                     {QStringLiteral("settings"), settings},
                                     {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
                                     {QStringLiteral("otherSwitches"), switches}});
        } else {
            for (const QString &text : messages)
                PrintPrefixed(out, several ? path : QStringLiteral("message"), text);
        }
        if (e.stopped)
            status = Worse(status, CliFileFailed);
    }
    if (a.json)
        out << Json(several ? QJsonValue(files) : files.isEmpty() ? QJsonValue(QJsonObject()) : files.first());
    return status;
}

int Get(const Arguments &a, const Editor &editor, QTextStream &out, QTextStream &err)
{
    QVector<const Setting *> settings;
    for (const QString &key : a.keys) {
        const Setting *s = FindSetting(key);
        if (!s) {
            err << "swted-cli: unknown key " << Printable(key) << " (swted-cli settings lists them)\n";
            return CliBadUsage;
        }
        settings << s;
    }
    ReadOptions file(editor, a.files.first());
    for (const QString &text : file.said.texts())
        PrintPrefixed(err, a.files.first(), text);
    if (!file.read)
        return CliFileFailed;
    const Explanation e = file.Explain();
    const Explanation defaults = a.json ? file.Defaults() : Explanation();
    QJsonArray values;
    for (const Setting *s : settings) {
        const int i = int(s - AllSettings().data());
        if (a.json)
            values.append(SettingJson(e.settings[i], defaults.settings[i].value));
        else if (settings.size() == 1)
            out << e.settings[i].value << '\n';
        else
            out << s->key << ": " << e.settings[i].value << '\n';
    }
    if (a.json)
        out << Json(settings.size() == 1 ? values.first() : QJsonValue(values));
    return e.stopped ? CliFileFailed : CliDone;
}

// set and reset: each file changed through its pages and saved, or refused
// and left as it was.
int Change(const QString &command, const Arguments &a, const Editor &editor, ConsolePrompts &prompts, QTextStream &out,
           QTextStream &err)
{
    const bool reset = command == QLatin1String("reset");
    QVector<QPair<const Setting *, QString>> changes;
    if (reset) {
        for (const QString &key : a.keys)
            changes.append({FindSetting(key), QString()});
    } else {
        for (const auto &[key, value] : a.assignments)
            changes.append({FindSetting(key), value});
    }
    for (int i = 0; i < changes.size(); ++i) {
        if (!changes[i].first) {
            err << "swted-cli: unknown key " << Printable(reset ? a.keys[i] : a.assignments[i].first)
                << " (swted-cli settings lists them)\n";
            return CliBadUsage;
        }
    }
    int status = CliDone, saved = 0, unchanged = 0, refused = 0;
    for (const QString &path : a.files) {
        SingleFile single(prompts, editor);
        Editor &ed = single.editor;
        if (!a.dryRun) {
            if (const int claim = ClaimForUpdate(ed, path, err)) {
                status = Worse(status, claim);
                ++refused;
                continue;
            }
        }
        if (!ReadFile(ed, path)) {
            status = Worse(status, CliFileFailed);
            ++refused;
            continue;
        }
        const bool restricted = ed.config.RunTypeRestricted;
        const SwitchValueSet before = CurrentValues(ed.store);
        SwitchStore work = ed.store;
        QString fault;
        QSet<int> pages;
        for (const auto &[setting, value] : changes) {
            const SettingEdit edit = reset ? ResetSetting(work, prompts, restricted, &ed.Fonts(), *setting)
                                           : SetSetting(work, prompts, restricted, &ed.Fonts(), *setting, value);
            if (!edit.done) {
                fault = setting->key + QStringLiteral(": ") + edit.error;
                if (!reset && !edit.error.contains(QLatin1String("greyed"))) {
                    ValuesView view = ViewOfValues(*setting->description, CurrentValues(work), restricted, &ed.Fonts());
                    fault += QStringLiteral(". Allowed: ") + AllowedWords(*setting, view.state[setting->control->name]);
                }
                break;
            }
            pages.insert(setting->page);
        }
        if (!fault.isEmpty()) {
            err << "swted-cli: " << Printable(path) << ": refused: " << Printable(fault) << "; the file is unchanged\n";
            status = Worse(status, CliFileFailed);
            ++refused;
            continue;
        }
        const SwitchValueSet after = CurrentValues(work);
        for (int n = 1; n <= SwitchCount; ++n) {
            if (before[n] != after[n])
                out << Printable(path) << ": " << n << ' ' << before[n] << ' ' << after[n] << '\n';
        }
        for (const auto &[s, words] : ChangedSettings(pages, before, after, restricted, &ed.Fonts()))
            out << Printable(path) << ": " << s->key << ": " << Words(words.first) << " -> " << Words(words.second) << '\n';
        if (before == after) {
            ++unchanged;
            continue; // nothing to write: the file keeps every byte
        }
        if (a.dryRun) {
            ++saved;
            continue;
        }
        RestoreValues(ed.store, after);
        const bool ok = SaveOptionsFile(ed);
        ReportLeftovers(out, path, ed);
        if (ok) {
            ++saved;
        } else {
            status = Worse(status, CliFileFailed);
            ++refused;
        }
    }
    if (a.files.size() > 1 || refused > 0) {
        out << command << ": " << saved << (a.dryRun ? " would change, " : " changed, ") << unchanged
            << " unchanged, " << refused << " refused\n";
    }
    out.flush();
    err.flush();
    return status;
}

QJsonObject Side(const SettingShown &shown, const QString &defaultWords)
{
    QJsonObject o = SettingJson(shown, defaultWords);
    for (const char *place : {"key", "page", "subPage", "panel", "frame", "caption", "control", "kind", "switch", "positions", "default"})
        o.remove(QLatin1String(place));
    return o;
}

// As diff(1): 0 the same, 1 different, 2 trouble.
constexpr int DiffTrouble = 2;

int Diff(const Arguments &a, const Editor &editor, QTextStream &out, QTextStream &err)
{
    ReadOptions fa(editor, a.files[0]);
    ReadOptions fb(editor, a.files[1]);
    for (ReadOptions *f : {&fa, &fb}) {
        if (!f->read) {
            for (const QString &text : f->said.texts())
                PrintPrefixed(err, f == &fa ? a.files[0] : a.files[1], text);
            return DiffTrouble;
        }
    }
    const Explanation ea = fa.Explain();
    const Explanation eb = fb.Explain();
    const Explanation defaults = a.json ? fa.Defaults() : Explanation();
    const Comparison c = CompareSettings(ea, eb);
    QJsonArray settings, switches;
    for (const SettingDifference &d : c.settings) {
        const int i = d.index;
        if (a.json) {
            QJsonObject o = SettingJson(ea.settings[i], defaults.settings[i].value);
            for (const char *value : {"value", "index", "items", "checked", "text", "enabled"})
                o.remove(QLatin1String(value));
            o[QStringLiteral("a")] = Side(ea.settings[i], defaults.settings[i].value);
            o[QStringLiteral("b")] = Side(eb.settings[i], defaults.settings[i].value);
            settings.append(o);
        } else {
            out << d.setting->key << ": " << Words(d.here) << " | " << Words(d.other) << '\n';
        }
    }
    for (const SwitchDifference &d : c.switches) {
        if (a.json)
            switches.append(QJsonObject{{QStringLiteral("switch"), d.switchNumber}, {QStringLiteral("a"), int(d.here)},
                                        {QStringLiteral("b"), int(d.other)}});
        else
            out << "switch " << d.switchNumber << ": " << d.here << " | " << d.other << '\n';
    }
    if (a.json)
        out << Json(QJsonObject{{QStringLiteral("a"), a.files[0]}, {QStringLiteral("b"), a.files[1]},
                                {QStringLiteral("settings"), settings}, {QStringLiteral("otherSwitches"), switches}});
    out.flush();
    return c.Same() ? 0 : 1;
}

} // namespace

bool IsSettingsCommand(const QString &command, const QStringList &args)
{
    static const QStringList commands{QStringLiteral("settings"), QStringLiteral("explain"), QStringLiteral("get"),
                                      QStringLiteral("reset"), QStringLiteral("diff")};
    if (commands.contains(command))
        return true;
    if (command != QLatin1String("set"))
        return false;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--dry-run") || IsKeyAssignment(arg))
            return true;
    }
    return false;
}

QString SettingsUsageFault(const QString &command, const QStringList &args)
{
    const Arguments a = Split(command, args);
    if (command == QLatin1String("settings"))
        return a.files.isEmpty() ? QString() : QStringLiteral("settings takes no FILE");
    if (command == QLatin1String("explain"))
        return a.files.isEmpty() ? QStringLiteral("explain needs at least one FILE") : QString();
    if (command == QLatin1String("get"))
        return a.files.size() != 1 || a.keys.isEmpty() ? QStringLiteral("get needs one FILE and at least one KEY") : QString();
    if (command == QLatin1String("reset"))
        return a.files.isEmpty() || a.keys.isEmpty() ? QStringLiteral("reset needs at least one FILE and one KEY") : QString();
    if (command == QLatin1String("diff"))
        return a.files.size() != 2 ? QStringLiteral("diff needs FILE_A and FILE_B") : QString();
    for (const QString &arg : args) {
        if (arg.contains(QLatin1Char('=')) && !IsKeyAssignment(arg))
            return QStringLiteral("set takes either KEY=VALUE or N=V assignments, not both");
    }
    return a.files.isEmpty() || a.assignments.isEmpty() ? QStringLiteral("set needs at least one FILE and one KEY=VALUE")
                                                        : QString();
}

int RunSettingsCommand(const QString &command, const QStringList &args, Editor &editor, ConsolePrompts &prompts,
                       QTextStream &out, QTextStream &err)
{
    const Arguments a = Split(command, args);
    if (command == QLatin1String("settings")) {
        if (a.keysOnly) {
            for (const Setting &setting : AllSettings())
                out << setting.key << '\n';
        } else {
            out << (a.json ? Json(SettingsSchemaJson()) : SettingsReference());
        }
        return CliDone;
    }
    if (command == QLatin1String("explain"))
        return Explain(a, editor, out, err);
    if (command == QLatin1String("get"))
        return Get(a, editor, out, err);
    if (command == QLatin1String("diff"))
        return Diff(a, editor, out, err);
    return Change(command, a, editor, prompts, out, err);
}

} // namespace swted
