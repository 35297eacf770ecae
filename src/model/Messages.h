#pragma once

#include <QString>

namespace swted {

// The titles message boxes carry.
inline const QString ApplicationTitle = QStringLiteral("Swted32");
inline const QString OptionsEditorTitle = QStringLiteral("Options Editor");
inline const QString SaveQuestionTitle = QStringLiteral("Quarnel Editing Suite");

namespace msg {

// Reading an options file.
QString TestStringNotFound(const QString &keyword, const QString &path);
QString NoMatchingFileType(const QString &path, const QString &extension);
QString NoSwitchTable(const QString &path, const QString &extension);
QString CannotOpenFile(const QString &path, const QString &reason);
QString EmptyFile(const QString &path);
QString FileEndsEarly(const QString &path, int lineCount, int switchLineCount);
QString ValueOutOfRange(const QString &path, int line, int switchNumber, const QString &token);

// Writing an options file.
QString DescriptionFileNotFound(const QString &name, const QString &programDirectory);
QString BackupFailed(const QString &path, const QString &backup, const QString &reason);
QString WriteFailed(const QString &path, const QString &reason);

// Save As.
QString ConvertQuestion(const QString &currentPath);
QString BadFileExtension(const QString &currentExtension);
QString OverwriteQuestion(const QString &path);
QString SaveChangesQuestion(const QString &currentPath);

// The configuration file.
QString ConfigurationMissing(const QString &programDirectoryWithoutSeparator);
QString ConfigurationError(const QString &item, int line);

} // namespace msg
} // namespace swted
