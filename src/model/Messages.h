#pragma once

#include <QString>
#include <QStringList>

namespace swted {

// The titles message boxes carry.
inline const QString ApplicationTitle = QStringLiteral("Swted32");
inline const QString OptionsEditorTitle = QStringLiteral("Options Editor");
inline const QString SaveQuestionTitle = QStringLiteral("Quarnel Editing Suite");

namespace msg {

// A text taken from a file or a command line, as messages show it: at most
// its first 40 characters, then "...", so that a message always fits a screen.
QString ShortToken(const QString &token);

// Reading an options file.
QString TestStringNotFound(const QString &keyword, const QString &path);
QString NoMatchingFileType(const QString &path, const QString &extension);
QString NoSwitchTable(const QString &path, const QString &extension);
QString CannotOpenFile(const QString &path, const QString &reason);
QString EmptyFile(const QString &path);
QString FileEndsEarly(const QString &path, int lineCount, int switchLineCount);
QString ValueOutOfRange(const QString &path, int line, int switchNumber, const QString &token);
QString KeywordWithoutHeadLines(const QString &path, const QString &extension, const QString &keyword);

// Writing an options file.
QString DescriptionFileNotFound(const QString &name, const QString &programDirectory);
QString BackupFailed(const QString &path, const QString &backup, const QString &reason);
QString WriteFailed(const QString &path, const QString &reason);
QString WouldNotReadBack(const QString &path, const QString &extension, const QString &why);
// The two reasons WouldNotReadBack gives.
QString ReadBackDiffers(int switchNumber, long long readBack, long long value);
QString ReadBackFails(const QString &path, const QString &readerMessage);

// Saving where others work too: a name that may not be written, a file
// changed or gone since it was read, a lock held by another session.
QString SaveRefused(const QString &path, const QString &reason);
QString OfferSaveAs();
QString ChangedOnDisk(const QString &path);
QString GoneFromDisk(const QString &path);
QString ReloadQuestion(const QString &path);
QString HardLinks(const QString &path, int names);
QString LockedForEditing(const QString &path, const QString &user, const QString &host, qint64 pid,
                         const QString &since, bool old);
// A message of the editor as the command-line tool says it: the edits it
// made are not kept in any editor.
QString ForCommandLine(const QString &text);

// Save As.
QString ConvertQuestion(const QString &currentPath);
QString BadFileExtension(const QString &currentExtension);
QString OverwriteQuestion(const QString &path);
QString SaveChangesQuestion(const QString &currentPath);

// Tools > Default All Switches, before it changes every switch.
QString DefaultAllQuestion();

// The configuration file.
// One place: the directory looked in; several: each, in the order looked in.
QString ConfigurationMissing(const QStringList &placesWithoutSeparator);
QString ConfigurationError(const QString &item, int line);

} // namespace msg
} // namespace swted
