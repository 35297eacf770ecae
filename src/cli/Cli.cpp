#include "Cli.h"
#include "CliSupport.h"
#include "ReportCommand.h"
#include "SettingsCommands.h"

#include "model/FileLocks.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/TextFile.h"
#include "pages/Corrections.h"
#include "shell/Editor.h"
#include "shell/EditorConfiguration.h"
#include "shell/FileCommands.h"
#include "shell/ProgramFolder.h"
#include "shell/Prompts.h"
#include "shell/ScriptedPrompts.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextStream>
#include <deque>
#include <map>

namespace swted {

namespace {

const char *const Usage =
    "Usage: swted-cli [--program-dir DIR] [--force] COMMAND ...\n"
    "Commands:\n"
    "  types                      list the configured file types\n"
    "  show FILE                  print the 140 switch values of FILE\n"
    "  set FILE N=V [N=V ...]     set switch N (1 to 140) to V and save FILE\n"
    "  rewrite FILE ...           read and save each FILE\n"
    "  convert FILE NEWFILE       save FILE as NEWFILE (another type or name)\n"
    "  lint FILE ...              print the messages the editor shows for each FILE\n"
    "                             when it is opened and every page is visited, and\n"
    "                             each value the pages would save otherwise\n"
    "  normalize [--dry-run] FILE ...\n"
    "                             save each FILE as the editor does after that tour,\n"
    "                             printing each value it changes (--dry-run: print\n"
    "                             them and write nothing)\n"
    "Settings by key (swted-cli settings lists the keys):\n"
    "  settings [--json|--keys]   every setting: key, where it is, values, default\n"
    "                             (--keys: the keys alone, one a line)\n"
    "  explain [--changed|--non-default] [--json] FILE ...\n"
    "                             every setting of each FILE in words, as the pages\n"
    "                             show it (--non-default: those not at the default;\n"
    "                             --changed: those a tour of the pages would change)\n"
    "  get [--json] FILE KEY ...  the value of each setting in words\n"
    "  set [--dry-run] FILE ... KEY=VALUE ...\n"
    "                             change settings through their pages and save each\n"
    "                             FILE; VALUE is an item's text (or a unique leading\n"
    "                             part, or #N from 0), on/off, or a number\n"
    "  reset [--dry-run] FILE ... KEY ...\n"
    "                             settings back to their defaults\n"
    "  diff [--json] FILE_A FILE_B\n"
    "                             the settings that differ (exit 1), none (exit 0)\n"
    "  report [--non-default] FILE [-o OUT.pdf|OUT.html]\n"
    "                             every setting of FILE in words, page by page and\n"
    "                             panel by panel, as HTML (on standard output without\n"
    "                             -o) or a PDF file (--non-default: only those not at\n"
    "                             the default)\n"
    "Swted.ini, TORVA.DES and VEXA.DES are read from --program-dir DIR, or\n"
    "SWTED_PROGRAM_DIR; otherwise from the first folder that holds Swted.ini of:\n"
    "this program's own folder, /etc/swted, the installed share/swted (swted-cli\n"
    "types names the folder in use). A file open in an editor is not changed,\n"
    "nor one the user may not write, unless --force is given.\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 bad usage,\n"
    "3 configuration missing or malformed, 4 lint found messages or values the\n"
    "pages would change, or normalize changed values, 5 a file is open in an editor.\n"
    "set warns (and still stores the value) when the pages would save a value\n"
    "it sets otherwise.\n";


// N=V with N from 1 to 140 and V a whole 32-bit decimal number.
bool ParseAssignment(const QString &text, int &n, int32_t &v)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,3})=([+-]?[0-9]{1,10})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    n = m.captured(1).toInt();
    bool ok = false;
    const long long value = m.captured(2).toLongLong(&ok);
    if (!ok || n < 1 || n > SwitchCount || value < INT32_MIN || value > INT32_MAX)
        return false;
    v = static_cast<int32_t>(value);
    return true;
}

void PrintCorrections(QTextStream &out, const QString &file, const QVector<Correction> &corrections)
{
    for (const Correction &c : corrections)
        out << Printable(file) << ": " << CorrectionText(c) << '\n';
}

} // namespace

int BadUsage(QTextStream &err, const QString &why)
{
    err << "swted-cli: " << why << '\n' << Usage;
    err.flush();
    return CliBadUsage;
}

int RunCli(const QStringList &arguments, const QString &executableDirectory, QTextStream &out, QTextStream &err,
           const QString &namedProgramDirectory)
{
    QStringList args = arguments;
    QString programDirectory = namedProgramDirectory;
    bool force = false;
    while (!args.isEmpty() && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help")) {
            out << Usage;
            return CliDone;
        }
        if (option == QLatin1String("--version")) {
            out << "swted-cli " << VersionNumber() << '\n';
            return CliDone;
        }
        if (option == QLatin1String("--force")) {
            force = true;
        } else if (option == QLatin1String("--program-dir")) {
            if (args.isEmpty())
                return BadUsage(err, QStringLiteral("--program-dir needs a directory"));
            programDirectory = args.takeFirst();
        } else if (option.startsWith(QLatin1String("--program-dir="))) {
            programDirectory = option.mid(14);
        } else {
            return BadUsage(err, QStringLiteral("unknown option ") + msg::ShortToken(option));
        }
    }
    if (args.isEmpty())
        return BadUsage(err, QStringLiteral("no command given"));
    const QString command = args.takeFirst();

    // Check the shape of the command before anything is read or written.
    std::map<int, int32_t> assignments;
    bool dryRun = false;
    if (command == QLatin1String("types")) {
        if (!args.isEmpty())
            return BadUsage(err, QStringLiteral("types takes no arguments"));
    } else if (command == QLatin1String("show")) {
        if (args.size() != 1)
            return BadUsage(err, QStringLiteral("show needs one FILE"));
    } else if (command == QLatin1String("report")) {
        const QString fault = ReportUsageFault(args);
        if (!fault.isEmpty())
            return BadUsage(err, fault);
    } else if (IsSettingsCommand(command, args)) {
        const QString fault = SettingsUsageFault(command, args);
        if (!fault.isEmpty())
            return BadUsage(err, fault);
    } else if (command == QLatin1String("set")) {
        if (args.size() < 2)
            return BadUsage(err, QStringLiteral("set needs a FILE and at least one N=V"));
        for (int i = 1; i < args.size(); ++i) {
            int n = 0;
            int32_t v = 0;
            if (!ParseAssignment(args[i], n, v))
                return BadUsage(err, QStringLiteral("bad assignment '") + msg::ShortToken(args[i])
                                         + QStringLiteral("': N must be 1 to 140 and V a 32-bit whole number"));
            assignments[n] = v;
        }
    } else if (command == QLatin1String("rewrite")) {
        if (args.isEmpty())
            return BadUsage(err, QStringLiteral("rewrite needs at least one FILE"));
    } else if (command == QLatin1String("convert")) {
        if (args.size() != 2)
            return BadUsage(err, QStringLiteral("convert needs FILE and NEWFILE"));
    } else if (command == QLatin1String("lint")) {
        if (args.isEmpty())
            return BadUsage(err, QStringLiteral("lint needs at least one FILE"));
    } else if (command == QLatin1String("normalize")) {
        if (!args.isEmpty() && args.front() == QLatin1String("--dry-run"))
            {
            dryRun = true;
            args.removeFirst();
        }
        if (args.isEmpty())
            return BadUsage(err, QStringLiteral("normalize needs at least one FILE"));
    } else {
        return BadUsage(err, QStringLiteral("unknown command ") + msg::ShortToken(command));
    }

    ConsolePrompts prompts(err);
    Editor editor(prompts);
    editor.commandLine = true;
    editor.force = force;
    if (!FindEditorConfiguration(ProgramFolderPlaces(programDirectory, executableDirectory), editor.ProgramDirectory,
                                 editor.config, prompts))
        return CliBadConfiguration;

    if (command == QLatin1String("types")) {
        for (const FileType &t : editor.config.FileTypes) {
            out << t.Extension << '|' << t.Description << '|' << t.LeadLines << '|' << t.BlockKeyword << '|'
                << t.HeadLines << '|' << t.SwitchesPerLine << '\n';
        }
        out << "filter: " << editor.config.OpenFilter << '\n';
        out << "restricted: " << (editor.config.RunTypeRestricted ? "yes" : "no") << '\n';
        out << "folder: " << Printable(QDir::cleanPath(editor.ProgramDirectory)) << '\n';
        return CliDone;
    }

    if (command == QLatin1String("report"))
        return RunReportCommand(args, editor, out, err);
    if (IsSettingsCommand(command, args))
        return RunSettingsCommand(command, args, editor, prompts, out, err);

    if (command == QLatin1String("show")) {
        if (!ReadFile(editor, args[0]))
            return CliFileFailed;
        for (int n = 1; n <= SwitchCount; ++n)
            out << n << ' ' << editor.store.GetSwitchValue(n) << '\n';
        return CliDone;
    }

    if (command == QLatin1String("set")) {
        if (const int claim = ClaimForUpdate(editor, args[0], err))
            return claim;
        if (!ReadFile(editor, args[0]))
            return CliFileFailed;
        for (const auto &[n, v] : assignments)
            editor.store.SetWholeValue(n, v);
        // Values the pages would not keep are stored as asked, with a word.
        const QVector<Correction> corrections =
            CollectCorrections(editor.store, editor.config.RunTypeRestricted, &editor.Fonts());
        const bool saved = SaveOptionsFile(editor);
        ReportLeftovers(out, args[0], editor);
        if (saved) {
            for (const Correction &c : corrections) {
                if (assignments.count(c.switchNumber))
                    err << "swted-cli: warning: " << Printable(args[0]) << ": switch " << c.switchNumber << ": "
                        << c.inFile << " is stored as asked; the editor will save it as " << c.saved << " ("
                        << c.reason << ")\n";
            }
            err.flush();
        }
        return saved ? CliDone : CliFileFailed;
    }

    if (command == QLatin1String("rewrite")) {
        int status = CliDone;
        for (const QString &path : args) {
            SingleFile single(prompts, editor);
            if (const int claim = ClaimForUpdate(single.editor, path, err)) {
                status = qMax(status, claim);
                continue;
            }
            if (!ReadFile(single.editor, path) || !SaveOptionsFile(single.editor))
                status = qMax(status, int(CliFileFailed));
            ReportLeftovers(out, path, single.editor);
        }
        return status;
    }

    if (command == QLatin1String("lint")) {
        // Every message of opening the file and of a tour of the pages, as
        // the editor shows them; the answers are the editor's defaults.
        int status = CliDone;
        for (const QString &path : args) {
            ScriptedPrompts recorded;
            SingleFile single(recorded, editor);
            QVector<Correction> corrections;
            QStringList toured;
            bool stopped = false;
            const bool read = ReadFile(single.editor, path);
            if (read)
                corrections = CollectCorrections(single.editor.store, single.editor.config.RunTypeRestricted,
                                                 &single.editor.Fonts(), &toured, &stopped);
            const QStringList said = recorded.texts() + toured;
            for (const QString &text : said)
                PrintPrefixed(out, path, text);
            PrintCorrections(out, path, corrections);
            if (!read || stopped)
                status = Worse(status, CliFileFailed);
            else if (!said.isEmpty() || !corrections.isEmpty())
                status = Worse(status, CliMessages);
        }
        return status;
    }

    if (command == QLatin1String("normalize")) {
        int status = CliDone;
        for (const QString &path : args) {
            SingleFile single(prompts, editor);
            if (!dryRun) {
                if (const int claim = ClaimForUpdate(single.editor, path, err)) {
                    status = Worse(status, claim);
                    continue;
                }
            }
            if (!ReadFile(single.editor, path)) {
                status = Worse(status, CliFileFailed);
                continue;
            }
            // The tour lint makes, so that both name the same changes.
            SwitchStore &store = single.editor.store;
            QStringList said;
            bool stopped = false;
            const QVector<Correction> corrections = CollectCorrections(
                store, single.editor.config.RunTypeRestricted, &single.editor.Fonts(), &said, &stopped);
            for (const QString &text : said)
                prompts.Print(text);
            if (stopped) {
                // A font set-up that would end the editor: the file is left as it is.
                status = Worse(status, CliFileFailed);
                continue;
            }
            for (const Correction &c : corrections)
                store.SetWholeValue(c.switchNumber, c.saved);
            PrintCorrections(out, path, corrections);
            if (!dryRun) {
                const bool saved = SaveOptionsFile(single.editor);
                ReportLeftovers(out, path, single.editor);
                if (!saved) {
                    status = Worse(status, CliFileFailed);
                    continue;
                }
            }
            if (!corrections.isEmpty())
                status = Worse(status, CliMessages);
        }
        return status;
    }

    // convert: the new file must not be open in an editor either.
    if (const int claim = ClaimForUpdate(editor, args[1], err))
        return claim;
    if (!ReadFile(editor, args[0]))
        return CliFileFailed;
    prompts.saveNames.push_back(args[1]);
    const bool saved = SaveOptionsFileAs(editor) == SaveAsResult::Saved;
    ReportLeftovers(out, args[1], editor);
    return saved ? CliDone : CliFileFailed;
}

} // namespace swted
