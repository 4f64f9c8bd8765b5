#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps a second copy of the program from running for the same user: a lock
// file in the user's runtime folder, held while the program runs.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = DefaultLockPath());
    // True when this copy holds the lock; false when another copy does.
    bool Acquire();
    static QString DefaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
};

// The program's entry: one copy per user, the random generator seeded from the
// clock, the update reminder, then the main window until the exit window closes.
int RunSuite(int argc, char *argv[]);
