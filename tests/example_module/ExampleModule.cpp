#include "ExampleModule.h"

#include <QPushButton>

ExampleWindow::ExampleWindow(ModuleHost &host) : ModuleWindow(QStringLiteral("frmExampleMain"), host)
{
    setWindowTitle(QStringLiteral("Example Module"));
    auto *notes = new QPushButton(QStringLiteral("&Notes"), this);
    notes->setObjectName(QStringLiteral("cmdNotes"));
    setCentralWidget(notes);
    connect(notes, &QPushButton::clicked, this, &ExampleWindow::OpenNotes);
    resize(400, 300);
}

void ExampleWindow::OpenNotes()
{
    auto *notes = new ModuleWindow(QStringLiteral("frmExampleNotes"), Host());
    notes->setWindowTitle(QStringLiteral("Example Notes"));
    notes->resize(300, 200);
    Host().ShowModuleWindow(notes);
}

ModuleEntry ExampleModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Example Module");
    entry.buttonIndex = 6;
    entry.labelIndex = 14;
    entry.picture = QStringLiteral(":/example_module/module.svg");
    entry.windows = {QStringLiteral("frmExampleNotes"), QStringLiteral("frmExampleMain")};
    entry.open = [](ModuleHost &host) { host.ShowModuleWindow(new ExampleWindow(host)); };
    return entry;
}
