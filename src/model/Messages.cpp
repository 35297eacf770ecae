#include "model/Messages.h"

#include "model/NumberText.h"

namespace swted::msg {

namespace {
const QString CR = QStringLiteral("\r");
const QString LF = QStringLiteral("\n");
const QString Unchanged = QStringLiteral("The file on disk is unchanged; your changes are still in the editor.");
const QString NotSaved = QStringLiteral("The file has not been saved; your changes are still in the editor.");
} // namespace

QString ShortToken(const QString &token)
{
    constexpr qsizetype Shown = 40;
    if (token.size() <= Shown)
        return token;
    return token.left(Shown) + QStringLiteral("...");
}

QString TestStringNotFound(const QString &keyword, const QString &path)
{
    return QStringLiteral("Test String '") + ShortToken(keyword) + QStringLiteral("' not found in ") + path;
}

QString NoMatchingFileType(const QString &path, const QString &extension)
{
    const QString what = extension.isEmpty()
        ? QStringLiteral("its name has no extension")
        : QStringLiteral("its extension '") + ShortToken(extension) + QStringLiteral("' matches no file type");
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR + what
        + QStringLiteral(" listed in Swted.ini.");
}

QString NoSwitchTable(const QString &path, const QString &extension)
{
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR
        + QStringLiteral("the file type ") + ShortToken(extension)
        + QStringLiteral(" has no option switch table (Swted.ini gives it no switches per line).");
}

QString CannotOpenFile(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR + reason;
}

QString EmptyFile(const QString &path)
{
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR
        + QStringLiteral("the file is empty.");
}

QString FileEndsEarly(const QString &path, int lineCount, int switchLineCount)
{
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR
        + QStringLiteral("the file ends after line") + NumberText(lineCount)
        + QStringLiteral(", before its option switch table of") + NumberText(switchLineCount)
        + QStringLiteral(" lines is complete.");
}

QString ValueOutOfRange(const QString &path, int line, int switchNumber, const QString &token)
{
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR
        + QStringLiteral("the value '") + ShortToken(token) + QStringLiteral("' of Option Switch")
        + NumberText(switchNumber) + QStringLiteral(" on line") + NumberText(line)
        + QStringLiteral(" is outside the range of -2147483648 to 2147483647.");
}

QString KeywordWithoutHeadLines(const QString &path, const QString &extension, const QString &keyword)
{
    return QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR
        + QStringLiteral("the file type ") + ShortToken(extension) + QStringLiteral(" has the keyword ")
        + ShortToken(keyword)
        + QStringLiteral(" but no head lines (Swted.ini gives it HEADLINES 0), so its keyword line would be"
                         " taken for a switch line and lost on saving.");
}

QString DescriptionFileNotFound(const QString &name, const QString &programDirectory)
{
    return name + QStringLiteral(" not found in the ") + programDirectory + LF
        + QStringLiteral("directory. Please load this file ") + LF + QStringLiteral("and try again.");
}

QString BackupFailed(const QString &path, const QString &backup, const QString &reason)
{
    return QStringLiteral("Cannot make the backup copy ") + backup + QStringLiteral(" of ") + path
        + QStringLiteral(":") + CR + reason + CR
        + NotSaved;
}

QString WriteFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write ") + path + QStringLiteral(":") + CR + reason + CR + Unchanged;
}

QString WouldNotReadBack(const QString &path, const QString &extension, const QString &why)
{
    return QStringLiteral("Cannot save ") + path + QStringLiteral(":") + CR
        + QStringLiteral("the layout of the file type ") + ShortToken(extension)
        + QStringLiteral(" cannot hold this option switch table (written that way, ") + why
        + QStringLiteral(").") + CR + Unchanged;
}

QString ReadBackDiffers(int switchNumber, long long readBack, long long value)
{
    return QStringLiteral("Option Switch") + NumberText(switchNumber) + QStringLiteral(" would read back as")
        + NumberText(readBack) + QStringLiteral(" instead of") + NumberText(value);
}

QString ReadBackFails(const QString &path, const QString &readerMessage)
{
    QString reason = readerMessage;
    const QString own = QStringLiteral("Cannot read ") + path + QStringLiteral(":") + CR;
    if (reason.startsWith(own))
        reason = reason.mid(own.size());
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    reason.replace(CR, QStringLiteral(" "));
    return QStringLiteral("the file would not read: ") + reason;
}

QString SaveRefused(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot save ") + path + QStringLiteral(":") + CR + reason + QStringLiteral(".") + CR
        + Unchanged;
}

QString OfferSaveAs()
{
    return QStringLiteral("Save your changes under another name?");
}

QString ChangedOnDisk(const QString &path)
{
    return path + QStringLiteral(" has been changed on disk since it was opened (by another program or user).")
        + CR + CR
        + QStringLiteral("Reload it (the changes made here are lost), save this version over it anyway"
                         " (the other change is lost), or save this version under another name?");
}

QString GoneFromDisk(const QString &path)
{
    return path + QStringLiteral(" is no longer on disk: it has been deleted or renamed since it was opened"
                                 " (by another program or user).")
        + CR + CR + QStringLiteral("Save this version here again, or under another name?");
}

QString ReloadQuestion(const QString &path)
{
    return QStringLiteral("Reload ") + path + QStringLiteral(" from the disk?") + CR
        + QStringLiteral("The changes made here since it was last opened or saved will be lost.");
}

QString HardLinks(const QString &path, int names)
{
    return path + QStringLiteral(" has") + NumberText(names - 1)
        + (names == 2 ? QStringLiteral(" other name (a hard link).") : QStringLiteral(" other names (hard links)."))
        + CR
        + QStringLiteral("Saving writes a new file under this name only; the other names keep the old content.");
}

QString LockedForEditing(const QString &path, const QString &user, const QString &host, qint64 pid,
                         const QString &since, bool old)
{
    QString text = path + QStringLiteral(" is open for editing by ") + user + QStringLiteral(" on ") + host
        + QStringLiteral(" (process") + NumberText(pid) + QStringLiteral(") since ") + since
        + QStringLiteral(".");
    if (old)
        text += CR + QStringLiteral("The lock is more than a day old: that session may have ended without"
                                    " removing it.");
    return text;
}

QString ForCommandLine(const QString &text)
{
    QString out = text;
    out.replace(Unchanged, QStringLiteral("The file on disk is unchanged."));
    out.replace(NotSaved, QStringLiteral("The file has not been saved."));
    return out;
}

QString ConvertQuestion(const QString &currentPath)
{
    return QStringLiteral("This Format holds Option Switch information only.") + CR
        + QStringLiteral("Other information held in ") + currentPath + CR
        + QStringLiteral("will not be included.  Proceed anyway?");
}

QString BadFileExtension(const QString &currentExtension)
{
    return QStringLiteral("Bad File Extension.") + LF + QStringLiteral("Must use .") + currentExtension
        + QStringLiteral(", .OPL or .OPS.");
}

QString OverwriteQuestion(const QString &path)
{
    return path + QStringLiteral(" already exists.") + CR + QStringLiteral("Overwrite?");
}

QString SaveChangesQuestion(const QString &currentPath)
{
    return QStringLiteral("Some Options have changed since last save") + CR + QStringLiteral("of ")
        + currentPath + CR + QStringLiteral("Save changes to this file now?");
}

QString ConfigurationMissing(const QStringList &placesWithoutSeparator)
{
    if (placesWithoutSeparator.size() == 1)
        return QStringLiteral("Cannot find SWTED.INI.  Please ensure this file is in the directory '")
            + placesWithoutSeparator.front() + QStringLiteral("'.");
    // Several places were looked in, in this order: each is named, so that
    // the user can put the file in the one that suits.
    QString text = QStringLiteral("Cannot find SWTED.INI.  Please ensure this file is in one of the directories");
    for (const QString &place : placesWithoutSeparator)
        text += CR + QStringLiteral("'") + place + QStringLiteral("'");
    return text + QStringLiteral(".");
}

QString ConfigurationError(const QString &item, int line)
{
    return QStringLiteral("Error at line ") + QString::number(line) + QStringLiteral(" in Swted.ini") + CR
        + QStringLiteral("Problem reading ") + item
        + QStringLiteral(".  Check syntax and ensure there are only blank") + CR
        + QStringLiteral("lines before each 'Extension' line in [File Formats] block.");
}

QString DefaultAllQuestion()
{
    return QStringLiteral("Set all 140 option switches to their default values?\r"
                          "Edit > Undo puts them back.");
}

} // namespace swted::msg
