#include "modRTB.h"

#include "modHelp.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

// The writer's current format of one view, kept on the view itself so that it
// survives between writes and across emptying.
class FormatState : public QObject {
public:
    explicit FormatState(QTextEdit *view) : QObject(view)
    {
        setObjectName(QStringLiteral("RTBFormatState"));
    }
    QTextCharFormat chars;
    RTB::Alignment alignment = RTB::Alignment::Left;
};

FormatState *stateOf(QTextEdit *view)
{
    auto *state = view->findChild<FormatState *>(QStringLiteral("RTBFormatState"),
                                                 Qt::FindDirectChildrenOnly);
    return state ? state : new FormatState(view);
}

QTextCursor endCursor(QTextEdit *view)
{
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

Qt::Alignment toQt(RTB::Alignment alignment)
{
    return alignment == RTB::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

} // namespace

namespace RTB {

QColor PaletteColour(int index)
{
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},   {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return index >= 0 && index < 16 ? palette[index] : QColor(0, 0, 0);
}

void Empty(QTextEdit *view)
{
    stateOf(view);
    view->clear();
}

void SetBold(QTextEdit *view, bool on)
{
    stateOf(view)->chars.setFontWeight(on ? QFont::Bold : QFont::Normal);
}

void SetUnderline(QTextEdit *view, bool on) { stateOf(view)->chars.setFontUnderline(on); }

void SetColour(QTextEdit *view, int paletteIndex)
{
    stateOf(view)->chars.setForeground(PaletteColour(paletteIndex));
}

void SetSize(QTextEdit *view, double points) { stateOf(view)->chars.setFontPointSize(points); }

void SetAlignment(QTextEdit *view, Alignment alignment)
{
    stateOf(view)->alignment = alignment;
    QTextBlockFormat block;
    block.setAlignment(toQt(alignment));
    endCursor(view).mergeBlockFormat(block);
}

void Append(QTextEdit *view, const QString &text)
{
    FormatState *state = stateOf(view);
    QTextCursor cursor = endCursor(view);
    QTextBlockFormat block = cursor.blockFormat();
    block.setAlignment(toQt(state->alignment));
    cursor.beginEditBlock();
    cursor.setBlockFormat(block);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype brk = text.indexOf(u'\n', start);
        const qsizetype cr = text.indexOf(u'\r', start);
        if (cr >= 0 && (brk < 0 || cr < brk))
            brk = cr;
        const qsizetype end = brk < 0 ? text.size() : brk;
        if (end > start)
            cursor.insertText(text.mid(start, end - start), state->chars);
        if (brk < 0)
            break;
        cursor.insertBlock(block, state->chars);
        // "\r\n" is one line break.
        start = (text.at(brk) == u'\r' && brk + 1 < text.size() && text.at(brk + 1) == u'\n')
                    ? brk + 2
                    : brk + 1;
    }
    cursor.endEditBlock();
}

void MakeDisplay(QTextEdit *view, const QString &family, double points)
{
    view->setReadOnly(true);
    view->setUndoRedoEnabled(false);
    view->setAcceptRichText(false);
    QFont font(family);
    font.setPointSizeF(points);
    view->document()->setDefaultFont(font);
    view->setFont(font);
}

} // namespace RTB

// ---------------------------------------------------------------- clipboard guard

namespace {

void emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

class ClipboardGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            emptyClipboard();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void InstallClipboardGuard(QWidget *box)
{
    auto *guard = new ClipboardGuard(box);
    guard->setObjectName(QStringLiteral("ClipboardGuard"));
    QWidget *target = box;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(box))
        target = area->viewport();
    target->setMouseTracking(true);
    target->installEventFilter(guard);
    if (target != box)
        box->installEventFilter(guard);
    if (auto *edit = qobject_cast<QTextEdit *>(box))
        QObject::connect(edit, &QTextEdit::textChanged, guard, &emptyClipboard);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        QObject::connect(plain, &QPlainTextEdit::textChanged, guard, &emptyClipboard);
    else if (auto *line = qobject_cast<QLineEdit *>(box))
        QObject::connect(line, &QLineEdit::textChanged, guard, &emptyClipboard);
}

// ---------------------------------------------------------------- link handling

namespace {

constexpr int kAutoLink = QTextFormat::UserProperty + 1;
constexpr int kOriginalForeground = QTextFormat::UserProperty + 2;
constexpr int kOriginalUnderline = QTextFormat::UserProperty + 3;
// A link is fetched into a buffer of this many characters; longer ones are not opened.
constexpr int kLinkBuffer = 1024;

const QRegularExpression &addressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"((?:https?://|mailto:|www\.)[^\s<>"']+)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

QString trimTrailingPunctuation(QString address)
{
    while (!address.isEmpty() && QStringLiteral(".,;:!?)]}").contains(address.back()))
        address.chop(1);
    return address;
}

class LinkHandler : public QObject {
public:
    LinkHandler(QTextEdit *view, QWidget *owner) : QObject(view), view_(view), owner_(owner) {}

    void attach()
    {
        view_->viewport()->setMouseTracking(true);
        view_->viewport()->installEventFilter(this);
        connection_ = QObject::connect(view_->document(), &QTextDocument::contentsChange, this,
                                       [this](int position, int, int added) {
                                           markLinks(position, position + added);
                                       });
        markLinks(0, view_->document()->characterCount());
    }

    void detach()
    {
        QObject::disconnect(connection_);
        if (!view_)
            return;
        view_->viewport()->removeEventFilter(this);
        view_->viewport()->unsetCursor();
        unmarkLinks(0, view_->document()->characterCount());
    }

    QTextEdit *view() const { return view_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QString href = view_->anchorAt(mouse->position().toPoint());
                if (!href.isEmpty() && href.size() < kLinkBuffer && IsWebAddress(href))
                    OpenWebPage(href);
            }
        } else if (event->type() == QEvent::MouseMove) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            const bool overLink = !view_->anchorAt(mouse->position().toPoint()).isEmpty();
            if (overLink)
                view_->viewport()->setCursor(Qt::PointingHandCursor);
            else
                view_->viewport()->unsetCursor();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Removes the link marks this handler set in the blocks touching [from, to).
    void unmarkLinks(int from, int to)
    {
        QTextDocument *doc = view_->document();
        for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to;
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                QTextCharFormat format = fragment.charFormat();
                if (!format.boolProperty(kAutoLink))
                    continue;
                QTextCharFormat plain = format;
                plain.setAnchor(false);
                plain.setAnchorHref(QString());
                plain.clearProperty(kAutoLink);
                if (format.hasProperty(kOriginalForeground))
                    plain.setForeground(format.property(kOriginalForeground).value<QBrush>());
                else
                    plain.clearForeground();
                plain.setFontUnderline(format.boolProperty(kOriginalUnderline));
                plain.clearProperty(kOriginalForeground);
                plain.clearProperty(kOriginalUnderline);
                QTextCursor cursor(doc);
                cursor.setPosition(fragment.position());
                cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
                cursor.setCharFormat(plain);
            }
        }
    }

    // Marks every web address in the blocks touching [from, to) as a link.
    void markLinks(int from, int to)
    {
        if (busy_ || !view_)
            return;
        busy_ = true;
        unmarkLinks(from, to);
        QTextDocument *doc = view_->document();
        for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to;
             block = block.next()) {
            const QString text = block.text();
            auto matches = addressPattern().globalMatch(text);
            while (matches.hasNext()) {
                const auto match = matches.next();
                const QString address = trimTrailingPunctuation(match.captured());
                if (address.size() <= 4)
                    continue;
                const int start = block.position() + int(match.capturedStart());
                for (int pos = start; pos < start + address.size();) {
                    // Apply fragment by fragment so each keeps the rest of its own format.
                    QTextCursor probe(doc);
                    probe.setPosition(pos + 1);
                    const QTextCharFormat original = probe.charFormat();
                    int end = pos + 1;
                    while (end < start + address.size()) {
                        QTextCursor next(doc);
                        next.setPosition(end + 1);
                        if (next.charFormat() != original)
                            break;
                        ++end;
                    }
                    QTextCharFormat link = original;
                    if (original.hasProperty(QTextFormat::ForegroundBrush))
                        link.setProperty(kOriginalForeground, original.foreground());
                    link.setProperty(kOriginalUnderline, original.fontUnderline());
                    link.setProperty(kAutoLink, true);
                    link.setAnchor(true);
                    link.setAnchorHref(address);
                    link.setForeground(QColor(0, 0, 255));
                    link.setFontUnderline(true);
                    QTextCursor cursor(doc);
                    cursor.setPosition(pos);
                    cursor.setPosition(end, QTextCursor::KeepAnchor);
                    cursor.setCharFormat(link);
                    pos = end;
                }
            }
        }
        busy_ = false;
    }

    QPointer<QTextEdit> view_;
    QPointer<QWidget> owner_;
    QMetaObject::Connection connection_;
    bool busy_ = false;
};

QPointer<LinkHandler> &installedHandler()
{
    static QPointer<LinkHandler> handler;
    return handler;
}

} // namespace

bool IsWebAddress(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *prefix : {"http://", "https://", "mailto:", "www."})
        if (t.startsWith(QLatin1String(prefix), Qt::CaseInsensitive) &&
            t.size() > int(qstrlen(prefix)))
            return true;
    return false;
}

void EnableLinkHandling(QTextEdit *view, QWidget *owner)
{
    DisableLinkHandling();
    auto *handler = new LinkHandler(view, owner);
    handler->setObjectName(QStringLiteral("LinkHandler"));
    handler->attach();
    installedHandler() = handler;
}

void DisableLinkHandling()
{
    LinkHandler *handler = installedHandler();
    if (!handler)
        return;
    handler->detach();
    installedHandler() = nullptr;
    handler->deleteLater();
}

QTextEdit *LinkHandlingView()
{
    LinkHandler *handler = installedHandler();
    return handler ? handler->view() : nullptr;
}
