#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace swted {

// Text files are 8-bit: every byte is read as the Latin-1 character of the
// same code, so a line read and written again keeps its bytes exactly.
// CR LF, a lone CR and a lone LF each end a line; a last line without a line
// end still counts.
QStringList SplitLines(const QByteArray &bytes);

// Reads a whole text file; false (with the reason) when it cannot be opened.
bool ReadTextLines(const QString &path, QStringList &lines, QString *error = nullptr);

// Lines joined with CR LF after every line, as Latin-1 bytes.
QByteArray JoinLinesCrLf(const QStringList &lines);

// Paths accept both '/' and '\' as separators.
int LastSeparator(const QString &path);
// The part after the last separator, upper-cased.
QString FileNameOf(const QString &path);
// The part of FileNameOf(path) after its first dot; empty when it has none.
QString ExtensionOf(const QString &path);
// Everything before the file-name part, with its trailing separator (empty
// for a bare name).
QString DirectoryOf(const QString &path);

// A directory with the native separator at its end.
QString WithTrailingSeparator(const QString &directory);

// Looks a file up by name in a directory without regard to case. Returns its
// full path (an exact match is preferred), or an empty text.
QString FindFileNoCase(const QString &directory, const QString &name);

} // namespace swted
