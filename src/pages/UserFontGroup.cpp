#include "pages/UserFontGroup.h"

#include "fonts/FontMessages.h"
#include "fonts/FontNumber.h"
#include "fonts/UserFontSetup.h"
#include "model/SwitchStore.h"
#include "pages/PageLogic.h"
#include "shell/Prompts.h"

namespace swted {

const FontGroupControls &FontGroupControlsOf(FontGroup group)
{
    static const FontGroupControls iso{FontGroup::IsoStyle, 4, QStringLiteral("FramUserFonts"),
                                       QStringLiteral("ChkStyleFontFile"), QStringLiteral("CmbUserFontType")};
    static const FontGroupControls material{FontGroup::MaterialList, 27, QStringLiteral("FramMatFont"),
                                            QStringLiteral("ChkMaterialsFontFile"),
                                            QStringLiteral("CmbMaterialsUserFontType")};
    return group == FontGroup::IsoStyle ? iso : material;
}

namespace {

QString ExecutableNameOf(const UserFontSession &s)
{
    return s.executableName.isEmpty() ? ExecutableName() : s.executableName;
}

int Slot(FontGroup group) { return group == FontGroup::IsoStyle ? 0 : 1; }

// The session when the group is in use: a file is being edited and its type
// can name a font information file.
UserFontSession *ActiveSession(PageContext &ctx, FontGroup group)
{
    UserFontSession *s = ctx.fonts;
    return s && !s->untouched[Slot(group)] ? s : nullptr;
}

int ItemIndex(const ControlState &list, const QString &text)
{
    for (int i = 0; i < list.items.size(); ++i) {
        if (list.items[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString ShownText(const ControlState &list)
{
    return list.index >= 0 && list.index < list.items.size() ? list.items[list.index] : QString();
}

// Selecting an entry raises the list's selection event, as the user's
// choice does, whether or not the entry was selected already.
void Select(PageContext &ctx, const FontGroupControls &g, int index)
{
    ControlState &list = ctx[g.list];
    if (index < 0 || index >= list.items.size())
        return;
    list.index = index;
    FontListSelected(ctx, g.group);
}

void SelectText(PageContext &ctx, const FontGroupControls &g, const QString &text)
{
    Select(ctx, g, ItemIndex(ctx[g.list], text));
}

// A selection whose event is to be swallowed. When there is no such entry
// nothing is selected and the flag is left alone, so that the user's next
// choice is not swallowed instead.
void SelectQuietly(PageContext &ctx, FontTables &t, const FontGroupControls &g, int index)
{
    const ControlState &list = ctx[g.list];
    if (index < 0 || index >= list.items.size())
        return;
    t.IgnoreNextFontClick = true;
    Select(ctx, g, index);
}

void SelectTextQuietly(PageContext &ctx, FontTables &t, const FontGroupControls &g, const QString &text)
{
    SelectQuietly(ctx, t, g, ItemIndex(ctx[g.list], text));
}

// The list shows the fonts of a font information file ("Font Not Set" is
// one of them), not "User Fonts Absent".
bool FontsListed(const ControlState &list) { return ItemIndex(list, FontNotSetItem) >= 0; }

void Stop(PageContext &ctx, UserFontSession &s, const Message &message)
{
    ctx.prompts.ShowMessage(message);
    s.stopped = true;
}

void ClearFontNumber(PageContext &ctx, int n)
{
    ctx.store.UnpackSwitch(n);
    SetFontDigits(ctx.store, 0);
    ctx.Pack(n);
}

// The group as a new page shows it before any set-up: box clear, list
// empty, everything enabled and shown.
void ShowAsBuilt(PageContext &ctx, const FontGroupControls &g)
{
    ctx[g.frame] = ControlState{};
    ctx[g.check] = ControlState{};
    ctx[g.list] = ControlState{};
}

void SetUpGroup(PageContext &ctx, FontGroup group)
{
    const FontGroupControls &g = FontGroupControlsOf(group);
    const bool iso = group == FontGroup::IsoStyle;
    UserFontSession *s = ctx.fonts;
    if (!s) {
        // No options file: nothing to find fonts for.
        ShowAsBuilt(ctx, g);
        return;
    }
    FontTables &t = s->tables;
    s->untouched[Slot(group)] = false;
    const UserFontFiles files = SetUpUserFontFiles(group, s->optionsPath, s->optionsFolder, t, ExecutableNameOf(*s));
    ControlState &frame = ctx[g.frame];
    ControlState &box = ctx[g.check];
    ControlState &list = ctx[g.list];

    switch (files.outcome) {
    case UserFontFiles::Outcome::FatalStop:
        Stop(ctx, *s, *files.message);
        return;
    case UserFontFiles::Outcome::Untouched:
        // HDR and DEF files name no font information file: the group stays
        // as built, greyed, and positions 7 to 9 keep their value.
        s->untouched[Slot(group)] = true;
        ShowAsBuilt(ctx, g);
        frame.enabled = false;
        return;
    case UserFontFiles::Outcome::FontsAbsent:
        ClearFontNumber(ctx, g.switchNumber);
        box.checked = false;
        list.items = QStringList{UserFontsAbsentItem};
        list.index = -1;
        list.enabled = true;
        list.visible = true;
        Select(ctx, g, 0);
        frame.enabled = false;
        break;
    case UserFontFiles::Outcome::Loaded: {
        // A page used again starts as a new one does.
        frame = ControlState{};
        box.checked = false;
        list = ControlState{};
        list.items = FontListItems(t);
        const int f = UnpackFontNumber(ctx.store, g.switchNumber);
        if (f == 0) {
            box.checked = false;
            frame.enabled = true;
            if (iso)
                SelectTextQuietly(ctx, t, g, FontNotSetItem);
            else
                SelectText(ctx, g, FontNotSetItem);
            list.enabled = false;
            if (iso)
                t.UserFontPathSet = false;
            return;
        }
        const FontChoiceAtSetUp choice = ChooseFontAtSetUp(t, f, files.writtenPath);
        if (choice.kind == FontChoiceAtSetUp::Kind::FontFound) {
            SelectTextQuietly(ctx, t, g, t.FontDescriptions[choice.entry]);
            box.checked = true;
            frame.enabled = true;
            StoreSelectedFont(ctx, g.switchNumber);
        } else {
            box.checked = false;
            list.enabled = false;
            ctx.prompts.ShowMessage(*choice.message);
            ClearFontNumber(ctx, g.switchNumber);
        }
        break;
    }
    }
    if (iso) {
        t.UserFontPathSet = false;
        t.IgnoreNextFontClick = true;
    }
}

// Positions 9 to 7 take the number of the font the list names.
void WriteListedFont(PageContext &ctx, const FontGroupControls &g, const ChosenFont &chosen)
{
    SetFontDigits(ctx.store, chosen.number);
    ctx.Pack(g.switchNumber);
}

} // namespace

void SetUpForUserFonts(PageContext &ctx) { SetUpGroup(ctx, FontGroup::IsoStyle); }

void SetUpForMatUserFonts(PageContext &ctx) { SetUpGroup(ctx, FontGroup::MaterialList); }

void StoreSelectedFont(PageContext &ctx, int n)
{
    const FontGroupControls &g = FontGroupControlsOf(n == 4 ? FontGroup::IsoStyle : FontGroup::MaterialList);
    UserFontSession *s = ActiveSession(ctx, g.group);
    if (!s)
        return;
    FontTables &t = s->tables;
    ctx.store.UnpackSwitch(g.switchNumber);
    ControlState &list = ctx[g.list];
    if (ctx[g.check].checked) {
        const ChosenFont chosen = ChosenFontOf(t, ShownText(list));
        // A listed font above 999 does not fit the three positions: nothing
        // is stored, as for a text no entry has.
        if (chosen.kind == ChosenFont::Kind::NotSet || chosen.kind == ChosenFont::Kind::Font)
            WriteListedFont(ctx, g, chosen);
        return;
    }
    // A list that holds the fonts of the file goes back to "Font Not Set";
    // only a list without them shows "User Fonts Absent".
    if (FontsListed(list)) {
        SelectTextQuietly(ctx, t, g, FontNotSetItem);
    } else {
        list.items = QStringList{UserFontsAbsentItem};
        list.index = -1;
        SelectQuietly(ctx, t, g, 0);
    }
    ClearFontNumber(ctx, g.switchNumber);
}

void StoreMaterialFont(PageContext &ctx)
{
    const FontGroupControls &g = FontGroupControlsOf(FontGroup::MaterialList);
    UserFontSession *s = ActiveSession(ctx, g.group);
    if (!s)
        return;
    ctx.store.UnpackSwitch(g.switchNumber);
    if (!ctx[g.check].checked)
        return;
    // Only a font of the file is stored ("Font Not Set" is none).
    const ChosenFont chosen = ChosenFontOf(s->tables, ShownText(ctx[g.list]));
    if (chosen.kind == ChosenFont::Kind::Font)
        WriteListedFont(ctx, g, chosen);
}

void FontListSelected(PageContext &ctx, FontGroup group)
{
    UserFontSession *s = ActiveSession(ctx, group);
    if (!s)
        return;
    FontTables &t = s->tables;
    if (t.IgnoreNextFontClick) {
        t.IgnoreNextFontClick = false;
        return;
    }
    if (t.UserFontPathSet)
        StoreSelectedFont(ctx, FontGroupControlsOf(group).switchNumber);
}

void FontCheckClicked(PageContext &ctx, FontGroup group)
{
    UserFontSession *s = ActiveSession(ctx, group);
    if (!s)
        return;
    const FontGroupControls &g = FontGroupControlsOf(group);
    const bool iso = group == FontGroup::IsoStyle;
    FontTables &t = s->tables;
    ControlState &list = ctx[g.list];
    const int f = UnpackFontNumber(ctx.store, g.switchNumber);

    if (!ctx[g.check].checked) {
        SelectTextQuietly(ctx, t, g, FontNotSetItem);
        list.enabled = false;
        ClearFontNumber(ctx, g.switchNumber);
        return;
    }

    list.visible = true;
    if (iso) {
        list.enabled = true;
        if (f == 0) {
            SelectQuietly(ctx, t, g, 0);
            if (t.UserFontPathSet)
                StoreSelectedFont(ctx, 4);
            return;
        }
        if (!t.UserFontPathSet) {
            SelectQuietly(ctx, t, g, 0);
            StoreSelectedFont(ctx, 4);
        }
        const int entry = FindFontEntry(t, f);
        if (entry >= 0) {
            SelectTextQuietly(ctx, t, g, t.FontDescriptions[entry]);
        } else {
            ctx.prompts.ShowMessage(msg::FontNumberUnavailable(group, f, ExecutableNameOf(*s)));
            SelectQuietly(ctx, t, g, 0);
        }
        StoreSelectedFont(ctx, 4);
        return;
    }

    // The material list page: the list handler stores what is selected.
    if (f == 0) {
        Select(ctx, g, 0);
        list.enabled = true;
        if (t.UserFontPathSet)
            StoreMaterialFont(ctx);
        return;
    }
    // A ticked box with a greyed list could choose nothing.
    list.enabled = true;
    if (!t.UserFontPathSet)
        Select(ctx, g, 0);
    const int entry = FindFontEntry(t, f);
    if (entry >= 0) {
        SelectText(ctx, g, t.FontDescriptions[entry]);
    } else {
        ctx.prompts.ShowMessage(msg::FontNumberUnavailable(group, f, ExecutableNameOf(*s)));
        Select(ctx, g, 0);
    }
}

namespace fontrules {
void SetUpIsoStyle(PageContext &ctx, const ControlEntry &) { SetUpForUserFonts(ctx); }
void SetUpMaterialList(PageContext &ctx, const ControlEntry &) { SetUpForMatUserFonts(ctx); }
void ReadIsoStyle(PageContext &ctx, const ControlEntry &) { StoreSelectedFont(ctx, 4); }
void ReadMaterialList(PageContext &ctx, const ControlEntry &) { StoreMaterialFont(ctx); }
void IsoStyleListSelected(PageContext &ctx, const ControlEntry &) { FontListSelected(ctx, FontGroup::IsoStyle); }
void MaterialListSelected(PageContext &ctx, const ControlEntry &) { FontListSelected(ctx, FontGroup::MaterialList); }
void IsoStyleCheckClicked(PageContext &ctx, const ControlEntry &) { FontCheckClicked(ctx, FontGroup::IsoStyle); }
void MaterialListCheckClicked(PageContext &ctx, const ControlEntry &) { FontCheckClicked(ctx, FontGroup::MaterialList); }
} // namespace fontrules

} // namespace swted
