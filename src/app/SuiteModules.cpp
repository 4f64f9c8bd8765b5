#include "SuiteModules.h"

#include "aromatherapy/AromatherapyModule.h"
#include "cartomancy/CartomancyModule.h"
#include "dream_interpretation/DreamInterpretationModule.h"
#include "learn_yoga/LearnYogaModule.h"
#include "palmistry/PalmistryModule.h"
#include "progress/ProgressMenu.h"
#include "toolkit/ModuleTable.h"
#include "zodiac_yoga/ZodiacYogaModule.h"

void RegisterSuiteModules()
{
    for (ModuleEntry (*describe)() : {LearnYogaModule, ZodiacYogaModule, AromatherapyModule, CartomancyModule,
                                      DreamInterpretationModule, PalmistryModule})
        RegisterModule(describe());
    // The modules with tests each have a page in "My Progress".
    QStringList recorded;
    for (ModuleEntry (*describe)() : {AromatherapyModule, CartomancyModule, DreamInterpretationModule, PalmistryModule})
        recorded.append(describe().name);
    RegisterProgressMenu(recorded);
}
