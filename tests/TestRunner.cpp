// The runner of a library's tests: `RUNNER NAME [Qt Test options]` runs the
// test file NAME (test_markers) as its own test program would.
#include "TestRegistry.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace swted::test {

namespace {
std::map<std::string, TestMain> &Registry()
{
    static std::map<std::string, TestMain> tests;
    return tests;
}
} // namespace

bool RegisterTest(const char *sourceFile, TestMain main)
{
    std::string name = sourceFile;
    name = name.substr(name.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    if (!Registry().emplace(name, main).second) {
        std::fprintf(stderr, "two test files are named %s\n", name.c_str());
        std::abort();
    }
    return true;
}

} // namespace swted::test

int main(int argc, char *argv[])
{
    const auto &tests = swted::test::Registry();
    const auto test = argc > 1 ? tests.find(argv[1]) : tests.end();
    if (test == tests.end()) {
        std::fprintf(stderr, "Usage: %s TEST [Qt Test options]\nTests:", argv[0]);
        for (const auto &t : tests)
            std::fprintf(stderr, " %s", t.first.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    // The test sees its own name as the program's.
    return test->second(argc - 1, argv + 1);
}
