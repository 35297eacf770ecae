#pragma once

// The tests of one library are linked into one runner (tests_core,
// tests_gui): a test file ends with SWTED_TEST_MAIN, SWTED_TEST_GUILESS_MAIN
// or SWTED_TEST_APPLESS_MAIN in place of Qt's QTEST_*MAIN, which registers
// the same main function under the file's name. `tests_gui test_markers
// [Qt Test options]` runs the test class of test_markers.cpp in a process of
// its own, with the application object Qt's macro would make.

#include <QtTest>

namespace swted::test {

using TestMain = int (*)(int argc, char *argv[]);

// Files are registered by their name without folder and extension.
bool RegisterTest(const char *sourceFile, TestMain main);

} // namespace swted::test

// The names are the test class's own: several test files may be compiled
// as one (a unity build).
#define SWTED_TEST_ENTRY_(TestObject, ...)                                                                       \
    static int swtedTestMain_##TestObject(int argc, char *argv[])                                                 \
    {                                                                                                             \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                        \
        __VA_ARGS__                                                                                               \
        TestObject tc;                                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                \
        return QTest::qExec(&tc, argc, argv);                                                                     \
    }                                                                                                             \
    static const bool swtedTestRegistered_##TestObject = swted::test::RegisterTest(__FILE__, &swtedTestMain_##TestObject);

#define SWTED_TEST_MAIN(TestObject) SWTED_TEST_ENTRY_(TestObject, QTEST_MAIN_SETUP())
#define SWTED_TEST_GUILESS_MAIN(TestObject) SWTED_TEST_ENTRY_(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define SWTED_TEST_APPLESS_MAIN(TestObject) SWTED_TEST_ENTRY_(TestObject)
