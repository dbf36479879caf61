#include "testregistry.h"

#include <QApplication>
#include <QTest>
#include <cstring>

namespace testsupport {

namespace {
struct Entry {
    const char* name;
    Factory factory;
};
std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}
} // namespace

void registerTest(const char* name, Factory factory)
{
    registry().push_back({name, std::move(factory)});
}

int runRegisteredTests(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* only = nullptr;
    std::vector<char*> args(argv, argv + argc);
    if (args.size() >= 3 && std::strcmp(args[1], "-class") == 0) {
        only = args[2];
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    int failures = 0;
    for (const Entry& entry : registry()) {
        if (only && std::strcmp(only, entry.name) != 0)
            continue;
        std::unique_ptr<QObject> test = entry.factory();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}

} // namespace testsupport
