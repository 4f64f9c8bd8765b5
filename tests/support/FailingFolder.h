#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

// A folder in which writing fails, for the tests of the suite's writers:
// a full disk, a read-only folder, or a "folder" that is a regular file.
//
// A full disk is a small tmpfs filled up when the process may mount one in a
// mount namespace of its own (root with the right capability); otherwise a
// file-size limit of 0 (RLIMIT_FSIZE, with SIGXFSZ ignored) stands in for it.
// A read-only folder is a folder without write permission; a process that
// passes over permission bits (root) drops that capability from its effective
// set while the fault lasts, or else gets a tmpfs remounted read-only. The
// mount namespace and the capabilities belong to the test's main thread only,
// so nothing outside the test sees a mount.
namespace TestSupport {

enum class WriteFault { FullDisk, ReadOnlyFolder, FolderIsFile };

// The rows of a failed-write test: one column "fault", one row per fault.
void AddWriteFaultRows();

class FailingFolder {
public:
    // Prepares the folder `name` inside `parent` (not yet failing).
    FailingFolder(const QString &parent, const QString &name, WriteFault fault);
    ~FailingFolder();
    FailingFolder(const FailingFolder &) = delete;
    FailingFolder &operator=(const FailingFolder &) = delete;

    // Empty when the fault can be made here; otherwise why not.
    QString Unavailable() const { return unavailable_; }
    // How the fault is made (for messages).
    QString How() const { return how_; }
    // The folder to point a writer at. For FolderIsFile it is a regular file
    // holding BlockingBytes().
    QString Path() const { return path_; }
    QString FilePath(const QString &name) const { return path_ + u'/' + name; }
    static QByteArray BlockingBytes()
    {
        return QByteArrayLiteral("a file where a folder should be\n");
    }

    // Puts the file a writer is to replace into the folder (before Arm).
    // A file in the folder's place leaves no room for one: there the
    // blocking file is what must come through.
    bool PutOldFile(const QString &name, const QByteArray &bytes);
    // The file that must come through unchanged, and what it held when the
    // fault was made (Arm).
    QString KeptFile() const { return keptFile_; }
    QByteArray KeptBytes() const { return keptBytes_; }

    // The names of the files in the folder, but for what fills a full disk.
    QStringList Entries() const;

    // Makes writing into the folder fail; true when it now does (a probe
    // write is refused). Files put there before stay readable.
    bool Arm();
    // Writing works again.
    void Disarm();

private:
    bool mountTmpfs(const char *options);
    WriteFault fault_;
    QString path_;
    QString unavailable_;
    QString how_;
    QString keptFile_;
    QByteArray keptBytes_;
    bool mounted_ = false;
    bool dropsOverride_ = false;
    bool armed_ = false;
    bool limited_ = false;
    rlimit oldLimit_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace TestSupport
