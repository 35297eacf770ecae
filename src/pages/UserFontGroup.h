#pragma once

#include "fonts/FontTables.h"

#include <QString>

namespace swted {

struct ControlEntry;
struct PageContext;

// The fonts of the options file being edited, shared by the iso style and
// material list pages: the tables and flags of the last set-up, where the
// options file is, and whether a set-up reached a fatal stop.
struct UserFontSession {
    FontTables tables;
    QString optionsPath;
    QString optionsFolder; // with its trailing separator
    // The title of the messages that carry the program's name.
    QString executableName;
    // A group whose options file type names no font information file (HDR,
    // DEF) is left alone by its set-up, its handlers and the read-back, so
    // positions 7 to 9 of its switch keep what the file holds.
    bool untouched[2] = {false, false};
    // A set-up ended in a fatal stop: its message has been shown and the
    // program is to end; the layout goes no further.
    bool stopped = false;
};

// The controls of a page's user font group.
struct FontGroupControls {
    FontGroup group;
    int switchNumber;
    QString frame;
    QString check;
    QString list;
};
const FontGroupControls &FontGroupControlsOf(FontGroup group);

// The set-up of the group, called by the pages' layout right after the text
// size: finds and reads the font information file and shows the font of
// the switch.
void SetUpForUserFonts(PageContext &ctx);    // iso style page, switch 4
void SetUpForMatUserFonts(PageContext &ctx); // material list page, switch 27

// Writes the font the group shows into positions 7 to 9 of switch n (4: the
// iso style page's group, any other the material list page's) and stores
// the switch; an unticked box stores 0.
void StoreSelectedFont(PageContext &ctx, int n);
// The material list page's read-back: stores the font the list shows when
// the box is ticked and the list names a font of the file.
void StoreMaterialFont(PageContext &ctx);

// The group's event handlers: a selection of the list (the user's or the
// program's) and a click of the check box.
void FontListSelected(PageContext &ctx, FontGroup group);
void FontCheckClicked(PageContext &ctx, FontGroup group);

// The same as page rules, for the pages' descriptions.
namespace fontrules {
void SetUpIsoStyle(PageContext &ctx, const ControlEntry &);
void SetUpMaterialList(PageContext &ctx, const ControlEntry &);
void ReadIsoStyle(PageContext &ctx, const ControlEntry &);
void ReadMaterialList(PageContext &ctx, const ControlEntry &);
void IsoStyleListSelected(PageContext &ctx, const ControlEntry &);
void MaterialListSelected(PageContext &ctx, const ControlEntry &);
void IsoStyleCheckClicked(PageContext &ctx, const ControlEntry &);
void MaterialListCheckClicked(PageContext &ctx, const ControlEntry &);
} // namespace fontrules

} // namespace swted
