#include "testregistry.h"

int main(int argc, char** argv)
{
    return testsupport::runRegisteredTests(argc, argv);
}
