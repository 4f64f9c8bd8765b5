#include "FailingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace TestSupport {

namespace {

// A mount namespace of this thread's own, made once; false when the process
// may not make one.
bool privateMountNamespace()
{
    static const bool made = [] {
        if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0)
            return false;
        // Mounts made here must not reach the namespace the test came from.
        return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    return made;
}

// Sets or clears the capability to pass over permission bits in this
// thread's effective set (it stays permitted, so it can come back).
bool setDacOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const unsigned bit = 1u << (CAP_DAC_OVERRIDE % 32);
    auto &word = data[CAP_DAC_OVERRIDE / 32];
    if (on && !(word.permitted & bit))
        return false;
    word.effective = on ? (word.effective | bit) : (word.effective & ~bit);
    return syscall(SYS_capset, &header, data) == 0;
}

void setWritable(const QString &folder, bool writable)
{
    QFile::Permissions permissions = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (writable)
        permissions |= QFile::WriteOwner;
    QFile::setPermissions(folder, permissions);
}

// True when a new file can be created and written in the folder.
bool canWrite(const QString &folder)
{
    const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/.write-probe"));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool wrote = ::write(fd, "probe", 5) == 5;
    ::close(fd);
    ::unlink(probe.constData());
    return wrote;
}

// Fills the file system of the folder: a file grows until the disk is full.
void fill(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    // Whatever a page could still take.
    while (filler.write("f", 1) == 1) {
    }
}

} // namespace

void AddWriteFaultRows()
{
    QTest::addColumn<WriteFault>("fault");
    QTest::addRow("full disk") << WriteFault::FullDisk;
    QTest::addRow("read-only folder") << WriteFault::ReadOnlyFolder;
    QTest::addRow("folder is a file") << WriteFault::FolderIsFile;
}

FailingFolder::FailingFolder(const QString &parent, const QString &name, WriteFault fault)
    : fault_(fault), path_(QDir(parent).filePath(name))
{
    switch (fault_) {
    case WriteFault::FolderIsFile: {
        how_ = QStringLiteral("a regular file in the folder's place");
        keptFile_ = path_;
        keptBytes_ = BlockingBytes();
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(BlockingBytes()) != BlockingBytes().size())
            unavailable_ = QStringLiteral("the blocking file cannot be made");
        return;
    }
    case WriteFault::FullDisk:
        if (!QDir().mkpath(path_))
            unavailable_ = QStringLiteral("the folder cannot be made");
        else if (mountTmpfs("size=64k,mode=0755"))
            how_ = QStringLiteral("a full tmpfs");
        else
            how_ = QStringLiteral("a file-size limit of 0 bytes");
        return;
    case WriteFault::ReadOnlyFolder:
        if (!QDir().mkpath(path_)) {
            unavailable_ = QStringLiteral("the folder cannot be made");
            return;
        }
        // Permission bits hold for ordinary users. A process that passes over
        // them (root) sets that power aside while the fault lasts, or where
        // it cannot, gets a tmpfs made read-only instead.
        setWritable(path_, false);
        if (!canWrite(path_)) {
            how_ = QStringLiteral("a folder without write permission");
        } else if (setDacOverride(false)) {
            if (!canWrite(path_)) {
                dropsOverride_ = true;
                how_ = QStringLiteral("a folder without write permission, the override set aside");
            }
            setDacOverride(true);
        }
        setWritable(path_, true);
        if (!how_.isEmpty())
            return;
        if (mountTmpfs("size=1m,mode=0755"))
            how_ = QStringLiteral("a tmpfs mounted read-only");
        else
            unavailable_ = QStringLiteral("permission bits are ignored for this user and no "
                                          "read-only file system can be mounted");
        return;
    }
}

FailingFolder::~FailingFolder()
{
    Disarm();
    if (mounted_)
        umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
}

bool FailingFolder::mountTmpfs(const char *options)
{
    if (!privateMountNamespace())
        return false;
    mounted_ = mount("tmpfs", QFile::encodeName(path_).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                     options) == 0;
    return mounted_;
}

bool FailingFolder::PutOldFile(const QString &name, const QByteArray &bytes)
{
    if (fault_ == WriteFault::FolderIsFile)
        return true;
    keptFile_ = FilePath(name);
    keptBytes_ = bytes;
    QFile file(keptFile_);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QStringList FailingFolder::Entries() const
{
    QStringList names = QDir(path_).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(QStringLiteral(".filler"));
    return names;
}

bool FailingFolder::Arm()
{
    if (!unavailable_.isEmpty())
        return false;
    armed_ = true;
    // What the file holds now is what must come through.
    if (!keptFile_.isEmpty()) {
        QFile kept(keptFile_);
        if (kept.open(QIODevice::ReadOnly))
            keptBytes_ = kept.readAll();
    }
    const QByteArray folder = QFile::encodeName(path_);
    switch (fault_) {
    case WriteFault::FolderIsFile:
        return QFileInfo(path_).isFile() && !canWrite(path_);
    case WriteFault::FullDisk:
        if (mounted_) {
            fill(path_);
        } else {
            oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &oldLimit_);
            const rlimit none{0, oldLimit_.rlim_max};
            limited_ = setrlimit(RLIMIT_FSIZE, &none) == 0;
        }
        return !canWrite(path_);
    case WriteFault::ReadOnlyFolder:
        if (mounted_) {
            mount(nullptr, folder.constData(), nullptr,
                  MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr);
        } else {
            setWritable(path_, false);
            if (dropsOverride_)
                setDacOverride(false);
        }
        return !canWrite(path_);
    }
    return false;
}

void FailingFolder::Disarm()
{
    if (!armed_)
        return;
    armed_ = false;
    const QByteArray folder = QFile::encodeName(path_);
    switch (fault_) {
    case WriteFault::FolderIsFile:
        break;
    case WriteFault::FullDisk:
        if (limited_) {
            setrlimit(RLIMIT_FSIZE, &oldLimit_);
            std::signal(SIGXFSZ, oldHandler_);
            limited_ = false;
        }
        QFile::remove(path_ + QStringLiteral("/.filler"));
        break;
    case WriteFault::ReadOnlyFolder:
        if (mounted_) {
            mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_NOSUID | MS_NODEV, nullptr);
        } else {
            if (dropsOverride_)
                setDacOverride(true);
            setWritable(path_, true);
        }
        break;
    }
}

} // namespace TestSupport
