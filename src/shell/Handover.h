#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;

// How a second launch of the suite hands the files it was given to the copy
// that is already running: a short message over a local (Unix domain) socket
// that only the same user can reach, in the user's runtime folder beside the
// lock. Plain sockets and the event loop's notifiers, so the suite links no
// network library for it.
namespace Handover {

// At most this many files travel in one message (more are never opened
// anyway: a module opens the last of its files).
inline constexpr int MaxFiles = 1000;

// The message: a first line naming the format, then per file its length in
// bytes and its UTF-8 bytes.
QByteArray Compose(const QStringList &files);
// The files of a whole message; nothing when it is not one (wrong format,
// cut short, too long, trailing bytes).
std::optional<QStringList> Parse(const QByteArray &bytes);
// How many bytes a message starting with `head` has in all, once enough of it
// has arrived to tell; -1 while it cannot tell yet, 0 when it is no message.
qint64 ExpectedSize(const QByteArray &head);

// The socket's path: the runtime folder, the program's name and ".socket".
QString DefaultServerPath();

// The second launch's end: gives the files to the running suite and waits for
// it to take them. False when no suite answers in time.
bool HandOver(const QString &serverPath, const QStringList &files, int timeoutMs = 5000);

// The running suite's end: listens at the path (replacing a socket a crashed
// copy left) and passes the files of every message to `receive`.
class Server : public QObject {
    Q_OBJECT
public:
    Server(QString path, std::function<void(const QStringList &)> receive,
           QObject *parent = nullptr);
    ~Server() override;
    // False when nothing can listen at the path (a read-only folder).
    bool Listen();

private:
    struct Caller;
    void accept();
    void read(int fd);
    void drop(int fd);

    QString path_;
    std::function<void(const QStringList &)> receive_;
    int listening_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    std::map<int, std::unique_ptr<Caller>> callers_;
};

} // namespace Handover
