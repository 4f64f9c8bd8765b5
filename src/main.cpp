#include "app/SuiteModules.h"
#include "shell/Startup.h"

int main(int argc, char *argv[])
{
    return RunSuite(argc, argv, [](const DataLocations &locations, const QStringList &arguments) {
        return DescribeSuite(locations, arguments);
    });
}
