#include "shell/Editor.h"

namespace swted {

Editor::~Editor()
{
    if (!shared.lockedPath.isEmpty())
        DropEditLock(shared.lockedPath);
}

QVector<Correction> Editor::PendingCorrections() const
{
    QVector<Correction> pending;
    for (const Correction &c : corrections) {
        if (store.GetSwitchValue(c.switchNumber) == c.inFile && store.GetSavedValue(c.switchNumber) == c.inFile)
            pending.append(c);
    }
    return pending;
}

void Editor::ApplyPendingCorrections()
{
    for (const Correction &c : PendingCorrections())
        store.SetWholeValue(c.switchNumber, c.saved);
}

} // namespace swted
