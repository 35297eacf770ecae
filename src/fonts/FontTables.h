#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace swted {

// The two pages that offer a user font, each for its own switch.
enum class FontGroup {
    IsoStyle,     // switch 4, drawing text
    MaterialList, // switch 27, material list text
};

inline int FontSwitch(FontGroup group) { return group == FontGroup::IsoStyle ? 4 : 27; }

// Fixed texts of the user font group.
inline const QString UserFontFrameCaption = QStringLiteral("User Defined Fonts");
inline const QString UserFontCheckCaption = QStringLiteral("On / Off");
inline const QString FontNotSetItem = QStringLiteral("Font Not Set");
inline const QString UserFontsAbsentItem = QStringLiteral("User Fonts Absent");

// The fonts of the font information file read last, shared by both pages.
// Entry i of one list belongs with entry i of the other (0-based here).
struct FontTables {
    QVector<int16_t> FontNumbers;
    // Exactly as read: mixed case, the blank after the keyword kept.
    QStringList FontDescriptions;
    // A font information file was named for the current options file.
    bool UserFontPathSet = false;
    // The next selection event of a font list is swallowed.
    bool IgnoreNextFontClick = false;

    int Count() const { return static_cast<int>(FontNumbers.size()); }
};

// The first entry with this font number, or -1.
int FindFontEntry(const FontTables &tables, int fontNumber);
// The first entry whose description equals the text, ignoring case, or -1.
int FindDescriptionEntry(const FontTables &tables, const QString &text);

// What a font list shows, as the number to store in the switch.
struct ChosenFont {
    enum class Kind {
        NotSet,   // "Font Not Set" (any case): store 0
        Font,     // a listed font that fits: store `number`
        TooLarge, // a listed font above 999: it cannot be stored
        Unknown,  // no entry has this text: nothing is stored
    };
    Kind kind = Kind::Unknown;
    int number = 0;
};
ChosenFont ChosenFontOf(const FontTables &tables, const QString &listText);

// The entries of a font list after a load: "Font Not Set" and every
// description upper-cased, in the list's order (alphabetical ignoring case;
// equal texts keep their order in the file).
QStringList FontListItems(const FontTables &tables);

} // namespace swted
