#pragma once

#include <QLockFile>
#include <QWidget>
#include <QString>

#include <functional>
#include <memory>

// Keeps a second copy of the program from running for the same user: a lock
// file in the user's runtime folder, held while the program runs.
class SingleInstance {
public:
    enum class Outcome {
        First,          // this copy holds the lock
        AlreadyRunning, // a live copy holds it
        Unavailable     // the lock cannot be made here (a read-only folder, ...)
    };
    explicit SingleInstance(const QString &lockPath = DefaultLockPath());
    Outcome Acquire();
    bool Holds() const { return lock_->isLocked(); }
    // Why the lock could not be made, for Unavailable.
    QString Problem() const { return problem_; }
    static QString DefaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
    QString problem_;
};

class frmMDI;

// Shows the window in front of the others (a second launch asked for it).
void BringToFront(QWidget &window);
// What the running suite does with files a second launch hands over: comes to
// the front and opens them as it opens files named on its command line.
void OpenHandedFiles(frmMDI &window, const QStringList &files);

// What the program is made of, given where its files are and its command line.
class DataLocations;
struct Suite;
using SuiteDescription = std::function<Suite(const DataLocations &locations, const QStringList &arguments)>;

// The program's entry: one copy per user, the random generator seeded from the
// clock, the update reminder, then the main window of the suite described
// until the exit window closes.
int RunSuite(int argc, char *argv[], const SuiteDescription &describe);
