#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Several Qt Test classes share one executable per subsystem: each registers itself with
// DECL_TEST(Class) and the shared main (testmain.cpp) runs them all, or the one named by
// "-class Name" before the usual Qt Test arguments.
namespace testsupport {
using Factory = std::function<std::unique_ptr<QObject>()>;
void registerTest(const char* name, Factory factory);
int runRegisteredTests(int argc, char** argv);
} // namespace testsupport

#define DECL_TEST(Class)                                                                                     \
    static const bool registered_##Class = [] {                                                              \
        testsupport::registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });               \
        return true;                                                                                         \
    }();
