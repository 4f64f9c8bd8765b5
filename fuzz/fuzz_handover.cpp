// The hand-over message a second launch sends the running suite: any bytes
// read either as no message or as files that compose back to the very same
// bytes, and the size a message announces never disagrees with what it holds.
#include "FuzzSupport.h"
#include "shell/Handover.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QStringList> files = Handover::Parse(bytes);
    const qint64 expected = Handover::ExpectedSize(bytes);
    Fuzz::Require(expected >= -1, "a size, more to come, or no message");
    if (files) {
        Fuzz::Require(files->size() <= Handover::MaxFiles, "no more files than a message carries");
        Fuzz::Require(expected == bytes.size(), "a message is as long as it says");
        // Paths that are not valid UTF-8 read with replacement characters,
        // which compose to other bytes; valid ones compose back exactly.
        const QByteArray again = Handover::Compose(*files);
        Fuzz::Require(Handover::Parse(again) == files, "the files read back as themselves");
        if (!bytes.contains("\xef\xbf\xbd") && again.size() == bytes.size())
            Fuzz::Require(again == bytes, "a message composes back to its bytes");
    } else {
        Fuzz::Require(expected != bytes.size(), "a message as long as it says is read");
    }
    // What a caller has sent so far never looks like a different message.
    for (qsizetype cut = 0; cut < bytes.size() && cut < 256; ++cut) {
        const qint64 partial = Handover::ExpectedSize(bytes.left(cut));
        Fuzz::Require(partial == -1 || partial == expected, "a prefix announces the same size");
    }
    return 0;
}
