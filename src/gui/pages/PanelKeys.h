// Names of a page's panels and frames: the key that finds them, the title they show.
#pragma once

#include <QString>

namespace swted {

// Finds a panel (or a frame in it) of a sub-page.
inline QString PanelKey(int subPage, const QString &panel, const QString &frame = QString())
{
    return QString::number(subPage) + QLatin1Char('\x1f') + panel + QLatin1Char('\x1f') + frame;
}

// The title of a panel or frame: a caption starting with '~' is only a key,
// for one without a title; one given in two lines shows on one.
inline QString BoxTitle(const QString &caption)
{
    return caption.startsWith(QLatin1Char('~')) ? QString() : QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace swted
