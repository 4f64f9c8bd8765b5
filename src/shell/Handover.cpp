#include "Handover.h"

#include "toolkit/AppInfo.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace Handover {

namespace {

const QByteArray kFormat = QByteArrayLiteral("learning-suite hand-over 1\n");
constexpr qint64 kMaxPathBytes = 64 * 1024;
// The format line, the count and per file a length and its bytes.
constexpr qint64 kMaxMessage = 27 + 4 + MaxFiles * (4 + kMaxPathBytes);
const QByteArray kTaken = QByteArrayLiteral("taken\n");

quint32 readNumber(const QByteArray &bytes, qint64 at)
{
    quint32 n = 0;
    for (int i = 0; i < 4; ++i)
        n = (n << 8) | quint8(bytes[at + i]);
    return n;
}

void appendNumber(QByteArray &bytes, quint32 n)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((n >> shift) & 0xff));
}

} // namespace

QByteArray Compose(const QStringList &files)
{
    QByteArray bytes = kFormat;
    const QStringList sent = files.mid(std::max<qsizetype>(0, files.size() - MaxFiles));
    appendNumber(bytes, quint32(sent.size()));
    for (const QString &file : sent) {
        const QByteArray path = file.toUtf8().left(kMaxPathBytes);
        appendNumber(bytes, quint32(path.size()));
        bytes += path;
    }
    return bytes;
}

qint64 ExpectedSize(const QByteArray &head)
{
    const qint64 known = std::min<qint64>(head.size(), kFormat.size());
    if (head.left(known) != kFormat.left(known))
        return 0;
    qint64 at = kFormat.size();
    if (head.size() < at + 4)
        return -1;
    const quint32 count = readNumber(head, at);
    if (count > quint32(MaxFiles))
        return 0;
    at += 4;
    for (quint32 i = 0; i < count; ++i) {
        if (head.size() < at + 4)
            return -1;
        const quint32 length = readNumber(head, at);
        if (length > quint32(kMaxPathBytes))
            return 0;
        at += 4 + length;
    }
    return at;
}

std::optional<QStringList> Parse(const QByteArray &bytes)
{
    if (bytes.size() > kMaxMessage || ExpectedSize(bytes) != bytes.size())
        return std::nullopt;
    QStringList files;
    qint64 at = kFormat.size();
    const quint32 count = readNumber(bytes, at);
    at += 4;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 length = readNumber(bytes, at);
        at += 4;
        files << QString::fromUtf8(bytes.mid(at, length));
        at += length;
    }
    return files;
}

QString DefaultServerPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + AppInfo::ApplicationName() + QStringLiteral(".socket");
}

namespace {

sockaddr_un addressOf(const QString &path, bool *fits)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    *fits = size_t(name.size()) < sizeof(address.sun_path);
    if (*fits)
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

// Waits until the socket can be read or written; false on time-out or error.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(std::max<qint64>(deadline.remainingTime(), 0)));
        if (ready > 0)
            return (entry.revents & events) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

} // namespace

bool HandOver(const QString &serverPath, const QStringList &files, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    bool fits = false;
    const sockaddr_un address = addressOf(serverPath, &fits);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (!fits || fd < 0) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    const auto done = [fd](bool result) {
        ::close(fd);
        return result;
    };
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        return done(false);
    const QByteArray message = Compose(files);
    for (qint64 sent = 0; sent < message.size();) {
        if (!waitFor(fd, POLLOUT, deadline))
            return done(false);
        const ssize_t n = ::send(fd, message.constData() + sent, size_t(message.size() - sent),
                                 MSG_NOSIGNAL);
        if (n < 0 && errno != EINTR)
            return done(false);
        sent += std::max<ssize_t>(n, 0);
    }
    QByteArray answer;
    while (answer.size() < kTaken.size()) {
        if (!waitFor(fd, POLLIN, deadline))
            return done(false);
        char chunk[16];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n == 0 || (n < 0 && errno != EINTR))
            return done(false);
        answer.append(chunk, std::max<ssize_t>(n, 0));
    }
    return done(answer.startsWith(kTaken));
}

struct Server::Caller {
    QByteArray received;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unique_ptr<QTimer> limit;
};

Server::Server(QString path, std::function<void(const QStringList &)> receive, QObject *parent)
    : QObject(parent), path_(std::move(path)), receive_(std::move(receive))
{
}

Server::~Server()
{
    callers_.clear();
    delete notifier_;
    if (listening_ >= 0) {
        ::close(listening_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

bool Server::Listen()
{
    bool fits = false;
    const sockaddr_un address = addressOf(path_, &fits);
    listening_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (!fits || listening_ < 0)
        return false;
    // Only the same user may hand over files: the socket is made with no
    // rights for anyone else.
    const mode_t mask = ::umask(0077);
    int bound = ::bind(listening_, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    if (bound != 0 && errno == EADDRINUSE) {
        // A socket left by a copy that did not end cleanly; this copy holds
        // the lock, so no other one listens there.
        ::unlink(address.sun_path);
        bound = ::bind(listening_, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    }
    ::umask(mask);
    if (bound != 0 || ::listen(listening_, 8) != 0) {
        ::close(listening_);
        listening_ = -1;
        return false;
    }
    notifier_ = new QSocketNotifier(listening_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Server::accept);
    return true;
}

void Server::accept()
{
    for (;;) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        auto caller = std::make_unique<Caller>();
        caller->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(caller->notifier.get(), &QSocketNotifier::activated, this, [this, fd] { read(fd); });
        // A caller that never finishes its message is not waited for.
        caller->limit = std::make_unique<QTimer>();
        caller->limit->setSingleShot(true);
        connect(caller->limit.get(), &QTimer::timeout, this, [this, fd] { drop(fd); });
        caller->limit->start(10000);
        callers_[fd] = std::move(caller);
    }
}

void Server::read(int fd)
{
    const auto it = callers_.find(fd);
    if (it == callers_.end())
        return;
    QByteArray &received = it->second->received;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            received.append(chunk, n);
            if (received.size() > kMaxMessage)
                return drop(fd);
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
            return drop(fd); // the caller went away before its message was whole
        break;
    }
    const qint64 expected = ExpectedSize(received);
    if (expected < 0 || (expected > received.size()))
        return; // more to come
    const std::optional<QStringList> files = Parse(received);
    if (files)
        (void)::send(fd, kTaken.constData(), size_t(kTaken.size()), MSG_NOSIGNAL);
    drop(fd);
    // Opening may show messages; the caller is done with by then.
    if (files)
        QTimer::singleShot(0, this, [this, files = *files] { receive_(files); });
}

void Server::drop(int fd)
{
    const auto it = callers_.find(fd);
    if (it == callers_.end())
        return;
    it->second->notifier->setEnabled(false);
    it->second->limit->stop();
    // The notifier or the timer may be the one whose signal is being handled.
    it->second->notifier.release()->deleteLater();
    it->second->limit.release()->deleteLater();
    callers_.erase(it);
    ::close(fd);
}

} // namespace Handover
