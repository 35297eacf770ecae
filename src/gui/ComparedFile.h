// The file the settings are compared with: read aside, never locked or written.
#pragma once

#include "settings/SettingValues.h"
#include "shell/Editor.h"
#include "shell/ScriptedPrompts.h"

namespace swted {

struct ComparedFile {
    QString path;
    QString name;          // as the file's name is shown: "OTHER.OPL"
    ScriptedPrompts quiet; // what reading it says is not shown
    Editor editor{quiet};
    Explanation explanation;
};

} // namespace swted
