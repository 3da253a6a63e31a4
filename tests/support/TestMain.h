#pragma once

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

// Runs a test class with the settings store in a fresh temporary folder, so
// that no test ever reads or writes the user's own settings.
#define HB740_TEST_MAIN(TestClass)                                             \
    int main(int argc, char **argv)                                            \
    {                                                                          \
        QTemporaryDir configHome;                                              \
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());                \
        QGuiApplication app(argc, argv);                                       \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }
