#include "modLearnCartomancyImageDB.h"

#include "toolkit/FileReader.h"
#include "toolkit/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryFile>

QString NewTempFileName(const QString &folder, const QString &prefix)
{
    QTemporaryFile file(QDir(folder).filePath(prefix + QStringLiteral("XXXXXX.tmp")));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    const QString path = file.fileName();
    file.close();
    return path;
}

void ShowPicture(QLabel *box, const QImage &image)
{
    QSize size = box->contentsRect().size();
    if (size.isEmpty())
        size = image.size();
    box->setPixmap(QPixmap::fromImage(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool LoadPictureBytes(QLabel *box, const QByteArray &bytes, const QString &tempFolder)
{
    const QString path = NewTempFileName(tempFolder, QStringLiteral("TMP"));
    QImage image;
    if (!path.isEmpty()) {
        // Written through the checked writer: a picture cut short by a full
        // disk is never shown half.
        if (!bytes.isEmpty() && FileWriter::WriteWholeFile(path, bytes)) {
            QImageReader reader(path);
            image = reader.read();
        }
        QFile::remove(path);
    }
    if (image.isNull()) {
        box->clear();
        return false;
    }
    ShowPicture(box, image);
    return true;
}

bool LoadPictureData(QLabel *box, const Db::RecordSet &set, const QString &column, const QString &tempFolder)
{
    return LoadPictureBytes(box, set.Bytes(column), tempFolder);
}

bool SavePictureData(Db::RecordSet &set, const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = FileReader::ReadRegularFile(path);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("The picture file could not be read.\r\n") +
                     QDir::toNativeSeparators(path);
        return false;
    }
    set.SetValue(QStringLiteral("PictureData"), *bytes);
    if (set.Update())
        return true;
    if (error)
        *error = QStringLiteral("The picture could not be stored in the card database.\r\n") +
                 set.LastError();
    return false;
}
