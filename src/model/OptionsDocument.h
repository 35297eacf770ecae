#pragma once

#include "model/FileSystem.h"
#include "model/SwitchStore.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

namespace swted {

// One configured options file type (a row of the configuration's type list).
struct FileType {
    QString Extension;     // three characters, upper case
    QString Description;   // upper case, shown in the file dialogs' filter
    int LeadLines = 0;     // lines before the head lines (types without keyword)
    QString BlockKeyword;  // first characters of the line that opens the head lines
    int HeadLines = 0;     // keyword line included, up to the first switch line
    int SwitchesPerLine = -1; // -1 when the type declares none
};

// The two block keywords whose head lines and switch lines have layouts of
// their own.
inline const QString KarvenBlockKeyword = QStringLiteral("KARVEN_OPTIONS_BLOCK");
inline const QString SwitchTableKeyword = QStringLiteral("Switch");

// The file being edited: its format parameters and its lines. Lists are
// 0-based here; entry i is line i + 1 of its run.
struct OptionsDocument {
    QString CurrentFilePath;
    QString CurrentFileDirectory;
    QString CurrentExtension;

    bool TypeSelected = false;
    QString BlockKeyword;
    int LeadLineCount = 0;
    int HeadLineCount = 0;
    int SwitchesPerLine = 0;
    int SwitchLineCount = 0;
    int TrailerLineCount = 0;
    int ValueEndColumn = 13;

    QStringList LeadLines;
    QStringList HeadLines;
    QStringList SwitchLines;
    QStringList OutputSwitchLines;
    QStringList TrailerLines;
    // Entry k: the text after the values of switch line k. Entry 0 is unused.
    std::array<QString, SwitchCount + 1> LineTails;

    // The lines exactly as read, for the testing listing.
    struct {
        QStringList LeadLines, HeadLines, SwitchLines, TrailerLines;
    } AsRead;

    // What the last read or save found or left on disk, to tell whether
    // someone else has changed the file since.
    DiskStamp OnDisk;

    bool FileLoaded = false;
    // Forces the next BuildSwitchLines to rebuild even when nothing changed.
    bool RebuildSwitchLines = false;

    bool HasKeyword(const QString &keyword) const
    {
        return BlockKeyword.compare(keyword, Qt::CaseInsensitive) == 0;
    }
    bool IsOplExtension() const
    {
        return CurrentExtension.compare(QLatin1String("OPL"), Qt::CaseInsensitive) == 0;
    }
};

// 140 / switches per line, rounded to the nearest integer, halves to the
// even one; 0 for a type without a switch table.
int SwitchLineCountFor(int switchesPerLine);

// The switches carried by switch line k (1-based): first..last, never past 140.
struct SwitchRange {
    int first;
    int last;
};
SwitchRange SwitchesOfLine(int switchesPerLine, int k);

} // namespace swted
