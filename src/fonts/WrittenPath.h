#pragma once

#include <QString>

namespace swted {

// Finds on this system a file that an options file, a font list file or an
// IDF record names. Such a path may come from another desktop system:
// written with backslashes and a drive letter (C:\FONTS\USER.FIF) and in
// another case than the files have here.
//
// The path is looked up as written first (a relative one from `folder`, the
// options file's folder). If no file is there, '\' is read as a separator
// too, a drive letter is dropped and each name is matched without regard to
// case (an exact match preferred): a relative path from `folder`; a rooted
// one (drive letter or leading separator) from `folder` first, which stands
// for the drive the file was written on, and then from the root of this
// system. Returns the path found, or an empty text.
QString ResolveWrittenPath(const QString &written, const QString &folder);

} // namespace swted
