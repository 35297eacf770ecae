#pragma once

#include "fonts/FontTables.h"

#include <QString>

namespace swted {

// A failure while reading a font information, font list or options file:
// a number and a description for the message that reports it.
struct FontFileError {
    int number = 0; // 0: nothing failed
    QString description;

    bool Failed() const { return number != 0; }
};

// Numbers of the failures found in the content of a font information file.
// Failures of the file system carry the number of the file error instead
// (QFileDevice::FileError, all below 100).
enum FontContentError {
    FontLineWithoutNumber = 101,
    FontNumberTooLarge = 102,
    DescriptionWithoutFont = 103,
};

// Keywords of the font files and records.
inline const QString FontLineKeyword = QStringLiteral("KARVEN-FONT");          // 11 characters
inline const QString DescriptionKeyword = QStringLiteral("DESCRIPTION");       // 11 characters
inline const QString FontListKeyword = QStringLiteral("FONT-INFORMATION-FILE"); // 21 characters
inline const QString FontPathRecord = QStringLiteral("-152 ");
inline const QString FontListFileName = QStringLiteral("Karven.fls");

// The text after the first "/" (possibly empty). notFound is true, and the
// result empty, when there is no "/".
QString TextAfterSlash(const QString &text, bool &notFound);

// The text after the first "1", trimmed. notFound is true, and the result
// empty, when there is no "1".
QString TextAfterFirstOne(const QString &text, bool &notFound);

// The decimal digits of a text from its first digit: every digit is taken,
// other characters are skipped while the digits so far read as zero, and the
// first other character after a non-zero digit ends the number ("12 Arial"
// gives "12", "0 7x" gives "07"). Empty when the text has no digit.
QString FirstNumberInText(const QString &text);

// The font information file named by a "-152 " record of an OPT file: the
// text from after the first "/" up to and including the first ".FIF" (any
// case) after it. A comment line (first character "!") gives an empty path
// and malformed false; a record without "/" or without ".FIF" after it
// gives an empty path and malformed true.
QString FontPathFromOptRecord(const QString &line, bool &malformed);

// The font information file named by the font list file Karven.fls in the
// options file's folder (its name matched without regard to case): the
// first line containing FONT-INFORMATION-FILE (any case), from its 22nd
// character on, trimmed.
// - no such file, or no such line: fileMissing true, pathFound false;
// - that line is a comment ("!" first): both false, empty path;
// - otherwise pathFound true.
// A file that cannot be read sets *error and gives an empty path with both
// flags false.
QString FindFontPathInFls(const QString &optionsFolder, bool &fileMissing, bool &pathFound,
                          FontFileError *error = nullptr);

// The font information file named by the "-152 " record of an IDF file:
// the text after the first "/" of the first uncommented record line that has
// one, followed by the continuation lines ("-1 " first, after trimming), each
// giving its trimmed text after the first "1". The first other line, or the
// end of the file, ends the record. Lines whose first non-blank character is
// "!" are skipped while searching. No record: notFound true, pathFound false.
// A file that cannot be read sets *error and gives an empty path with
// pathFound false.
QString FindFontPathInIdf(const QString &optionsPath, bool &notFound, bool &pathFound,
                          FontFileError *error = nullptr);

// What the "-152 " record of an OPT file says.
struct OptFontRecord {
    bool recordFound = false; // a line contains "-152 " (any case)
    bool comment = false;     // the first such line begins with "!"
    bool malformed = false;   // it has no "/" or no ".FIF"
    QString path;             // as written
};
// Reads the options file up to its first "-152 " line. A file that cannot be
// read sets *error and gives an empty record.
OptFontRecord FindFontRecordInOpt(const QString &optionsPath, FontFileError *error = nullptr);

// Reads a font information file into the tables. A font line holds
// "KARVEN-FONT" anywhere (any case); its font number is the first number in
// its text from the 12th character on. A description line holds
// "DESCRIPTION" (any case); its description is its text from the 12th
// character on, not trimmed, and it completes the entry of the font line
// before it. A font line without a description line after it is no entry.
//
// The tables are replaced only when the whole file reads: they then hold the
// file's entries, none for a file without font lines. On failure they are
// left as they were and *error says what is wrong.
enum class FontLoad { Loaded, Missing, Failed };
FontLoad LoadFontInformation(FontTables &tables, const QString &path, FontFileError *error = nullptr);

} // namespace swted
