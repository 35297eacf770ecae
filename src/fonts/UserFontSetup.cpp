#include "fonts/UserFontSetup.h"

#include "fonts/FontFiles.h"
#include "fonts/WrittenPath.h"
#include "model/FileSystem.h"


namespace swted {

namespace {
UserFontFiles Fatal(const Message &message, const QString &writtenPath = QString())
{
    UserFontFiles r;
    r.outcome = UserFontFiles::Outcome::FatalStop;
    r.writtenPath = writtenPath;
    r.message = message;
    return r;
}
// The fonts of an earlier options file are not this one's.
void ForgetFonts(FontTables &tables)
{
    tables.FontNumbers.clear();
    tables.FontDescriptions.clear();
}
} // namespace

UserFontFiles SetUpUserFontFiles(FontGroup group, const QString &optionsPath, const QString &optionsFolder,
                                 FontTables &tables, const QString &executableName)
{
    tables.UserFontPathSet = false;
    if (optionsPath.isEmpty() || !IsRegularFile(optionsPath))
        return Fatal(msg::OptionsFileMissing(group, optionsPath));

    const QString type = optionsPath.right(3).toUpper();
    QString path;
    bool malformed = false;
    FontFileError error;
    if (type == QLatin1String("OPL") || type == QLatin1String("OPS")) {
        bool fileMissing = false;
        path = FindFontPathInFls(optionsFolder, fileMissing, tables.UserFontPathSet, &error);
        if (error.Failed())
            return Fatal(msg::FontPathReadError(error));
    } else if (type == QLatin1String("HDR") || type == QLatin1String("DEF")) {
        ForgetFonts(tables);
        return UserFontFiles{};
    } else if (type == QLatin1String("IDF")) {
        bool notFound = false;
        path = FindFontPathInIdf(optionsPath, notFound, tables.UserFontPathSet, &error);
        if (error.Failed())
            return Fatal(msg::FontPathReadError(error));
    } else if (type == QLatin1String("OPT")) {
        const OptFontRecord record = FindFontRecordInOpt(optionsPath, &error);
        if (error.Failed())
            return Fatal(msg::FontSetUpError(error, executableName));
        if (record.recordFound && !record.comment) {
            path = record.path;
            malformed = record.malformed;
            tables.UserFontPathSet = true;
        }
    }
    if (malformed && tables.UserFontPathSet)
        return Fatal(msg::FontPathNotSet());

    UserFontFiles r;
    r.writtenPath = path;
    if (!tables.UserFontPathSet) {
        ForgetFonts(tables);
        r.outcome = UserFontFiles::Outcome::FontsAbsent;
        return r;
    }
    r.resolvedPath = ResolveWrittenPath(path, optionsFolder);
    if (r.resolvedPath.isEmpty())
        return Fatal(msg::FontFileMissing(path, type), path);

    switch (LoadFontInformation(tables, r.resolvedPath, &error)) {
    case FontLoad::Missing:
        return Fatal(msg::FontFileVanished(path, executableName), path);
    case FontLoad::Failed:
        return Fatal(msg::FontFileReadError(error, executableName), path);
    case FontLoad::Loaded:
        break;
    }
    r.outcome = UserFontFiles::Outcome::Loaded;
    return r;
}

FontChoiceAtSetUp ChooseFontAtSetUp(const FontTables &tables, int fontNumber, const QString &writtenPath)
{
    FontChoiceAtSetUp choice;
    if (fontNumber == 0)
        return choice;
    choice.entry = FindFontEntry(tables, fontNumber);
    if (choice.entry >= 0) {
        choice.kind = FontChoiceAtSetUp::Kind::FontFound;
        return choice;
    }
    choice.kind = FontChoiceAtSetUp::Kind::FontNotInFile;
    choice.message = msg::FontNumberNotInFile(fontNumber, writtenPath);
    return choice;
}

} // namespace swted
