#include "shell/Editor.h"

namespace swted {

Editor::~Editor()
{
    if (!shared.lockedPath.isEmpty())
        DropEditLock(shared.lockedPath);
}

} // namespace swted
