// Builds the card database learn.dll from the card texts, the keywords and the
// card faces in src/cartomancy/content, while the program is built:
//
//   make-card-database OUTPUT cards.tsv keywords.tsv CARD_FACE_FOLDER
//
// The faces (NN.svg, by card Id) are drawn into pictures and stored as PNG
// bytes, which the picture loader reads. The file is written beside OUTPUT
// first and moved into place only when complete, so a failed run never leaves
// a half-built database behind. Any fault in the sources stops the build with
// a message naming the file and line.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

struct Card {
    int id = 0;
    QString name;
    int group = 0;
    QString normalMeaning;
    QString reversedMeaning;
};

struct Keyword {
    int cardId = 0;
    QString keyword;
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "make-card-database: %s\n", qPrintable(message));
    std::exit(1);
}

// The rows of a TAB-separated file: blank lines and lines starting with '#'
// are skipped; each row keeps its line number for messages.
std::vector<std::pair<int, QStringList>> readRows(const QString &path, int columns)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path + QStringLiteral(": ") + file.errorString());
    std::vector<std::pair<int, QStringList>> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != columns)
            fail(QStringLiteral("%1:%2: %3 columns expected, %4 found")
                     .arg(path)
                     .arg(i + 1)
                     .arg(columns)
                     .arg(fields.size()));
        rows.emplace_back(int(i + 1), fields);
    }
    return rows;
}

int wholeNumber(const QString &text, const QString &where)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        fail(where + QStringLiteral(": not a whole number: ") + text);
    return value;
}

std::vector<Card> readCards(const QString &path)
{
    std::vector<Card> cards;
    QSet<int> ids;
    for (const auto &[line, fields] : readRows(path, 5)) {
        const QString where = path + u':' + QString::number(line);
        Card card;
        card.id = wholeNumber(fields[0], where);
        card.name = fields[1].trimmed();
        card.group = wholeNumber(fields[2], where);
        card.normalMeaning = fields[3].trimmed();
        card.reversedMeaning = fields[4].trimmed();
        if (ids.contains(card.id))
            fail(where + QStringLiteral(": card Id %1 appears twice").arg(card.id));
        if (card.group < 0 || card.group > 7)
            fail(where + QStringLiteral(": group must be 0 to 7"));
        if (card.name.isEmpty() || card.normalMeaning.isEmpty() || card.reversedMeaning.isEmpty())
            fail(where + QStringLiteral(": empty name or meaning"));
        ids.insert(card.id);
        cards.push_back(card);
    }
    if (cards.empty())
        fail(path + QStringLiteral(": no cards"));
    return cards;
}

std::vector<Keyword> readKeywords(const QString &path, const std::map<int, QString> &names)
{
    std::vector<Keyword> keywords;
    for (const auto &[line, fields] : readRows(path, 2)) {
        const QString where = path + u':' + QString::number(line);
        Keyword keyword;
        keyword.cardId = wholeNumber(fields[0], where);
        keyword.keyword = fields[1].trimmed();
        if (!names.count(keyword.cardId))
            fail(where + QStringLiteral(": no card with Id %1").arg(keyword.cardId));
        if (keyword.keyword.isEmpty())
            fail(where + QStringLiteral(": empty keyword"));
        keywords.push_back(keyword);
    }
    return keywords;
}

// The card face NN.svg drawn at its own size and encoded as PNG.
QByteArray cardPicture(const QString &folder, int id)
{
    const QString path = QDir(folder).filePath(QStringLiteral("%1.svg").arg(id, 2, 10, QLatin1Char('0')));
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        fail(path + QStringLiteral(": missing or not a drawing"));
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        fail(path + QStringLiteral(": could not be encoded as PNG"));
    return bytes;
}

void run(QSqlQuery &query, const QString &text)
{
    if (!query.exec(text))
        fail(text + QStringLiteral(": ") + query.lastError().text());
}

void writeDatabase(const QString &path, const std::vector<Card> &cards,
                   const std::vector<Keyword> &keywords, const std::map<int, QString> &names,
                   const QString &faces)
{
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        if (!db.open())
            fail(path + QStringLiteral(": ") + db.lastError().text());
        QSqlQuery q(db);
        run(q, QStringLiteral("CREATE TABLE tblCards (Id INTEGER PRIMARY KEY, Name TEXT NOT NULL, "
                              "\"Group\" INTEGER NOT NULL, NormalMeaning TEXT, ReversedMeaning TEXT, "
                              "PictureData BLOB)"));
        run(q, QStringLiteral("CREATE TABLE tblKeywords (Id INTEGER PRIMARY KEY, CardID INTEGER NOT NULL, "
                              "CardName TEXT, keyword TEXT)"));
        // The memorise screen and the keyword test look keywords up by card.
        run(q, QStringLiteral("CREATE INDEX idxKeywordsCardID ON tblKeywords (CardID)"));
        db.transaction();
        for (const Card &card : cards) {
            q.prepare(QStringLiteral("INSERT INTO tblCards (Id, Name, \"Group\", NormalMeaning, "
                                     "ReversedMeaning, PictureData) VALUES (?, ?, ?, ?, ?, ?)"));
            q.addBindValue(card.id);
            q.addBindValue(card.name);
            q.addBindValue(card.group);
            q.addBindValue(card.normalMeaning);
            q.addBindValue(card.reversedMeaning);
            q.addBindValue(cardPicture(faces, card.id));
            if (!q.exec())
                fail(QStringLiteral("card %1: ").arg(card.id) + q.lastError().text());
        }
        int rowId = 0;
        for (const Keyword &keyword : keywords) {
            q.prepare(QStringLiteral("INSERT INTO tblKeywords (Id, CardID, CardName, keyword) VALUES (?, ?, ?, ?)"));
            q.addBindValue(++rowId);
            q.addBindValue(keyword.cardId);
            q.addBindValue(names.at(keyword.cardId));
            q.addBindValue(keyword.keyword);
            if (!q.exec())
                fail(QStringLiteral("keyword %1: ").arg(rowId) + q.lastError().text());
        }
        if (!db.commit())
            fail(path + QStringLiteral(": ") + db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        fail(QStringLiteral("usage: make-card-database OUTPUT cards.tsv keywords.tsv CARD_FACE_FOLDER"));
    const QString output = args[1];

    const std::vector<Card> cards = readCards(args[2]);
    std::map<int, QString> names;
    for (const Card &card : cards)
        names[card.id] = card.name;
    const std::vector<Keyword> keywords = readKeywords(args[3], names);

    const QString partial = output + QStringLiteral(".part");
    writeDatabase(partial, cards, keywords, names, args[4]);
    QFile::remove(output);
    if (!QFile::rename(partial, output))
        fail(output + QStringLiteral(": could not be put in place"));
    std::printf("%s: %zu cards, %zu keywords\n", qPrintable(QFileInfo(output).fileName()), cards.size(),
                keywords.size());
    return 0;
}
