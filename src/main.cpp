#include "app/SuiteModules.h"
#include "shell/Startup.h"

int main(int argc, char *argv[])
{
    RegisterSuiteModules();
    return RunSuite(argc, argv);
}
