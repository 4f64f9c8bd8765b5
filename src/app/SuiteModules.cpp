#include "SuiteModules.h"

#include "aromatherapy/AromatherapyModule.h"
#include "cartomancy/CartomancyModule.h"
#include "dream_interpretation/DreamInterpretationModule.h"
#include "learn_yoga/LearnYogaModule.h"
#include "palmistry/PalmistryModule.h"
#include "practice/PracticeWindow.h"
#include "progress/ProgressMenu.h"
#include "progress/ProgressRecorder.h"
#include "zodiac_yoga/ZodiacYogaModule.h"

Suite DescribeSuite(const DataLocations &locations, const QStringList &arguments)
{
    return DescribeSuite(locations, arguments, Progress::SystemClock());
}

Suite DescribeSuite(const DataLocations &locations, const QStringList &arguments, Progress::Clock clock)
{
    Suite suite{locations, arguments, {}, {}};
    // One recorder for every test module, so tests waiting to be recorded are
    // written together, in the order they were taken.
    auto recorder = std::make_shared<Progress::Recorder>(locations);
    suite.modules.Add(LearnYogaModule());
    suite.modules.Add(ZodiacYogaModule());
    QStringList recorded;
    for (ModuleEntry entry : {AromatherapyModule(recorder), CartomancyModule(recorder),
                              DreamInterpretationModule(recorder), PalmistryModule(recorder)}) {
        recorded.append(entry.name);
        suite.modules.Add(std::move(entry));
    }
    // The modules with tests each have a page in "My Progress" and their items in "Practice".
    std::vector<Quiz::PracticeSubject> practice{AromatherapyPractice(), CartomancyPractice(locations),
                                                DreamInterpretationPractice(locations), PalmistryPractice()};
    suite.menus.push_back(
        ProgressMenu(recorder, recorded, MakePracticeOpener(std::move(practice), recorder, clock), clock));
    return suite;
}
