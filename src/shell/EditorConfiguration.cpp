#include "shell/EditorConfiguration.h"

#include "model/Messages.h"
#include "model/TextFile.h"
#include "shell/ProgramFolder.h"
#include "shell/Prompts.h"

#include <optional>

namespace swted {

QString NormaliseIniValue(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\t'), QLatin1Char(' '));
    qsizetype first = 0;
    qsizetype last = v.size();
    while (first < last && v[first] == QLatin1Char(' '))
        ++first;
    while (last > first && v[last - 1] == QLatin1Char(' '))
        --last;
    return v.mid(first, last - first).toUpper();
}

namespace {

QString WithoutSeparator(const QString &directory)
{
    QString dir = directory;
    while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    return dir;
}

bool HasKey(const QString &line, const char *key)
{
    return line.startsWith(QLatin1String(key), Qt::CaseInsensitive);
}

QString ValueAfter(const QString &line, const char *key)
{
    return NormaliseIniValue(line.mid(static_cast<qsizetype>(qstrlen(key))));
}

// Counts: the digits 0 to 9 only, a 16-bit number; empty means 0.
std::optional<int> CountValue(const QString &value)
{
    int n = 0;
    for (QChar c : value) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        n = n * 10 + (c.unicode() - '0');
        if (n > 32767)
            return std::nullopt;
    }
    return n;
}

struct SyntaxError {
    QString item;
    int line;
};

} // namespace

QString DialogFilter(const EditorConfiguration &config)
{
    QStringList patterns;
    for (const FileType &type : config.FileTypes) {
        const QString pattern = QStringLiteral("*.") + type.Extension;
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    if (patterns.isEmpty())
        return config.OpenFilter;
    return QStringLiteral("All options files|") + patterns.join(QLatin1Char(' ')) + QLatin1Char('|')
        + config.OpenFilter;
}

ConfigurationOutcome ParseEditorConfiguration(const QStringList &lines, EditorConfiguration &config)
{
    EditorConfiguration result;
    result.OpenFilter.clear();
    const int total = static_cast<int>(lines.size());
    auto error = [](const QString &item, int line) {
        return ConfigurationOutcome{ConfigurationOutcome::SyntaxError, msg::ConfigurationError(item, line)};
    };

    for (int i = 0; i < total; ++i) {
        // "FILE TYPE" lines are accepted and ignored, as is every other line
        // that does not open a type.
        if (!HasKey(lines[i], "EXTENSION"))
            continue;
        const QString value = ValueAfter(lines[i], "EXTENSION");
        if (value.size() < 3)
            return error(QStringLiteral("Extension"), i + 1);
        FileType type;
        type.Extension = value.left(3);
        type.Description = value.mid(4);

        ++i;
        std::optional<int> count;
        if (i >= total || !HasKey(lines[i], "LEADLINES") || !(count = CountValue(ValueAfter(lines[i], "LEADLINES"))))
            return error(QStringLiteral("Leadlines"), i + 1);
        type.LeadLines = *count;

        ++i;
        if (i >= total || !HasKey(lines[i], "ID"))
            return error(QStringLiteral("ID"), i + 1);
        type.BlockKeyword = ValueAfter(lines[i], "ID");
        const int idLine = i + 1;

        ++i;
        if (i >= total || !HasKey(lines[i], "HEADLINES") || !(count = CountValue(ValueAfter(lines[i], "HEADLINES"))))
            return error(QStringLiteral("Headlines"), i + 1);
        type.HeadLines = *count;

        const bool noop = type.BlockKeyword.startsWith(QLatin1String("NOOP"));
        if (i + 1 >= total) {
            type.SwitchesPerLine = -1;
        } else {
            ++i;
            const bool ospl = HasKey(lines[i], "OSPL");
            if (noop && ospl)
                return error(QStringLiteral("OPTID"), idLine);
            if (!noop && !ospl)
                return error(QStringLiteral("OSPL"), idLine);
            if (ospl) {
                if (!(count = CountValue(ValueAfter(lines[i], "OSPL"))))
                    return error(QStringLiteral("OSPL"), i + 1);
                type.SwitchesPerLine = *count;
            } else {
                // A type without option switches: the line after HEADLINES
                // is read and ignored.
                type.SwitchesPerLine = -1;
            }
        }
        result.FileTypes.append(type);
        result.OpenFilter += type.Description + QStringLiteral("|*.") + type.Extension + QStringLiteral("|");
    }
    result.OpenFilter += QStringLiteral("All Files (*.*)|*.*");

    // The run type: only the first [RUN TYPE] line counts, and only when a
    // line follows it.
    for (int i = 0; i + 1 < total; ++i) {
        if (lines[i].left(10).toUpper() != QLatin1String("[RUN TYPE]"))
            continue;
        const QString &program = lines[i + 1];
        if (program.left(7).toUpper() == QLatin1String("PROGRAM"))
            result.RunTypeRestricted = program.contains(QLatin1Char('='))
                && program.contains(QLatin1String("T-KOR"), Qt::CaseInsensitive);
        break;
    }

    config = result;
    return ConfigurationOutcome{};
}

ConfigurationOutcome LoadEditorConfiguration(const QString &programDirectory, EditorConfiguration &config)
{
    const QString path = FindFileNoCase(programDirectory, ConfigurationFileName);
    QStringList lines;
    if (path.isEmpty() || !ReadTextLines(path, lines))
        return ConfigurationOutcome{ConfigurationOutcome::Missing, msg::ConfigurationMissing({WithoutSeparator(programDirectory)})};
    return ParseEditorConfiguration(lines, config);
}

bool ReadEditorConfiguration(const QString &programDirectory, EditorConfiguration &config, Prompts &prompts)
{
    const ConfigurationOutcome outcome = LoadEditorConfiguration(programDirectory, config);
    if (outcome.kind == ConfigurationOutcome::Ok)
        return true;
    if (outcome.kind == ConfigurationOutcome::Missing)
        prompts.ShowMessage(Message{outcome.message, OptionsEditorTitle, MessageButtons::Ok, MessageIcon::Stop});
    else
        prompts.ShowMessage(Message{outcome.message});
    prompts.EndProgram(3);
    return false;
}

bool FindEditorConfiguration(const QStringList &places, QString &programDirectory, EditorConfiguration &config,
                             Prompts &prompts)
{
    const QString found = FindProgramFolder(places);
    if (found.isEmpty() && places.size() > 1) {
        QStringList looked;
        for (const QString &place : places)
            looked << WithoutSeparator(place);
        prompts.ShowMessage(
            Message{msg::ConfigurationMissing(looked), OptionsEditorTitle, MessageButtons::Ok, MessageIcon::Stop});
        prompts.EndProgram(3);
        return false;
    }
    programDirectory = WithTrailingSeparator(found.isEmpty() ? places.value(0) : found);
    return ReadEditorConfiguration(programDirectory, config, prompts);
}

} // namespace swted
