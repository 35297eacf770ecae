// The floor for rewriting options files: only the safe I/O a save needs,
// with no parsing at all. For each file: read it, copy it to its backup,
// write the same bytes to a temporary file, flush that to disk and rename it
// over the file.
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static bool ReadAll(const std::string &path, std::vector<char> &bytes)
{
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    bytes.clear();
    char buf[65536];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0)
        bytes.insert(bytes.end(), buf, buf + n);
    close(fd);
    return n == 0;
}

static bool WriteAll(const std::string &path, const std::vector<char> &bytes, bool sync)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())
        && (!sync || fsync(fd) == 0);
    return close(fd) == 0 && ok;
}

int main(int argc, char *argv[])
{
    std::vector<char> bytes;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        const std::string backup = path.substr(0, path.size() - 3) + "BAK";
        const std::string temp = path + ".tmp";
        if (!ReadAll(path, bytes) || !WriteAll(backup, bytes, false) || !WriteAll(temp, bytes, true)
            || rename(temp.c_str(), path.c_str()) != 0) {
            std::fprintf(stderr, "failed: %s\n", path.c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
