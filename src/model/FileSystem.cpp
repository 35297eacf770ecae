#include "model/FileSystem.h"

#include <QCryptographicHash>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swted {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool IsEscape(char16_t c) { return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF; }

// The length of the valid UTF-8 sequence at p (at most `left` bytes), with
// its code point; 0 when the bytes there are not one.
int Utf8Sequence(const unsigned char *p, qsizetype left, char32_t &code)
{
    const unsigned char b = p[0];
    int length = 0;
    char32_t min = 0;
    if (b < 0x80) {
        code = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0) {
        length = 2;
        code = b & 0x1F;
        min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3;
        code = b & 0x0F;
        min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4;
        code = b & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(QByteArray &out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

QString KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO (named pipe)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a special file");
}

} // namespace

QByteArray NativePath(const QString &path)
{
    QByteArray out;
    out.reserve(path.size());
    const char16_t *s = reinterpret_cast<const char16_t *>(path.utf16());
    const qsizetype n = path.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i];
        if (c < 0x80) {
            out.append(char(c));
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(s[i + 1]) - 0xDC00));
            ++i;
        } else if (IsEscape(c)) {
            out.append(char(c - EscapeBase));
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD); // a lone surrogate that no name gave
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

QString PathFromNative(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        char32_t code = 0;
        const int length = Utf8Sequence(p + i, n - i, code);
        if (length == 0) {
            out.append(QChar(char16_t(EscapeBase + p[i])));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            out.append(QChar(char16_t(0xD800 + ((code - 0x10000) >> 10))));
            out.append(QChar(char16_t(0xDC00 + ((code - 0x10000) & 0x3FF))));
        } else {
            out.append(QChar(char16_t(code)));
        }
        i += length;
    }
    return out;
}

QStringList ArgumentsFromNative(int argc, char **argv)
{
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out.append(PathFromNative(QByteArray(argv[i])));
    return out;
}

QString Printable(const QString &text)
{
    auto escape = [](QString &out, unsigned byte) {
        out += QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool paired = (c >= 0xDC00 && c <= 0xDFFF && i > 0 && text[i - 1].isHighSurrogate());
        if (IsEscape(c) && !paired) {
            escape(out, c - EscapeBase);
        } else if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F) {
            escape(out, c);
        } else if (c >= 0x80 && c <= 0x9F) { // C1 controls, as their UTF-8 bytes
            escape(out, 0xC2);
            escape(out, c);
        } else {
            out.append(text[i]);
        }
    }
    return out;
}

DiskStamp StampOf(const QByteArray &bytes)
{
    return DiskStamp{true, bytes.size(), QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

bool ReadRegularFile(const QString &path, QByteArray &bytes, QString *error, qint64 limit)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    auto refusal = [limit](const struct stat &st) -> QString {
        if (!S_ISREG(st.st_mode))
            return QStringLiteral("it is ") + KindOfMode(st.st_mode) + QStringLiteral(", not a regular file");
        if (limit >= 0 && st.st_size > limit)
            return QStringLiteral("it is larger than ") + QString::number(limit) + QStringLiteral(" bytes");
        return QString();
    };
    const QByteArray native = NativePath(path);
    // What the name is comes first: opening a device may act on it (a tape
    // rewinds, a serial line hangs up).
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return fail(ErrnoText(errno));
    if (const QString why = refusal(st); !why.isEmpty())
        return fail(why);
    // Opened without blocking, so a FIFO put in its place since answers at
    // once; only a regular file is read.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(ErrnoText(errno));
    if (::fstat(fd, &st) != 0) {
        const int code = errno;
        ::close(fd);
        return fail(ErrnoText(code));
    }
    if (const QString why = refusal(st); !why.isEmpty()) {
        ::close(fd);
        return fail(why);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray data;
    data.reserve(static_cast<qsizetype>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int code = errno;
            ::close(fd);
            return fail(ErrnoText(code));
        }
        if (got == 0)
            break;
        data.append(buffer, got);
        if (limit >= 0 && data.size() > limit) {
            ::close(fd);
            return fail(QStringLiteral("it is larger than ") + QString::number(limit) + QStringLiteral(" bytes"));
        }
    }
    ::close(fd);
    bytes = data;
    return true;
}

bool PathExists(const QString &path)
{
    struct stat st;
    return !path.isEmpty() && ::lstat(NativePath(path).constData(), &st) == 0;
}

bool IsRegularFile(const QString &path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(NativePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString SpecialKindOf(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(NativePath(path).constData(), &st) != 0)
        return QString();
    return KindOfMode(st.st_mode);
}

QStringList FolderEntries(const QString &folder, bool regularOnly)
{
    QStringList out;
    const QByteArray dir = NativePath(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR *d = ::opendir(dir.constData());
    if (!d)
        return out;
    const int dfd = ::dirfd(d);
    while (const dirent *e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        if (regularOnly) {
            struct stat st;
            if (::fstatat(dfd, e->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                continue;
        }
        out.append(PathFromNative(QByteArray(e->d_name)));
    }
    ::closedir(d);
    out.sort();
    return out;
}

DiskState CompareWithDisk(const QString &path, const DiskStamp &stamp)
{
    struct stat st;
    if (::stat(NativePath(path).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? DiskState::Gone : DiskState::Changed;
    if (!stamp.known)
        return DiskState::Changed;
    if (!S_ISREG(st.st_mode) || st.st_size != stamp.size)
        return DiskState::Changed;
    // Times are too coarse on some shared file systems to tell: the bytes do.
    QByteArray bytes;
    if (!ReadRegularFile(path, bytes))
        return DiskState::Changed;
    return StampOf(bytes).hash == stamp.hash ? DiskState::Unchanged : DiskState::Changed;
}

int LinkCountOf(const QString &path)
{
    struct stat st;
    if (::stat(NativePath(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return static_cast<int>(st.st_nlink);
}

QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace swted
