#pragma once

#include "db/RecordSet.h"

#include <QString>

class QImage;
class QLabel;

// Card pictures kept as image-file bytes in a record's picture column: shown
// through a temporary file, as the picture loader reads files, and stored from
// a file the user picks.

// Creates a new, empty file with a unique name in the folder and returns its
// full path; empty when no file could be made.
QString NewTempFileName(const QString &folder, const QString &prefix);

// Shows the picture held in the column of the set's current record in the box,
// scaled to fit it. False, with the box cleared, when there is no current
// record, the column is empty or the bytes are not a picture. The temporary
// file used (in `tempFolder`) is always deleted.
bool LoadPictureData(QLabel *box, const Db::RecordSet &set, const QString &column, const QString &tempFolder);
// The same for picture bytes already read from a record.
bool LoadPictureBytes(QLabel *box, const QByteArray &bytes, const QString &tempFolder);

// Shows a picture in a box, scaled to the box's size keeping its proportions.
void ShowPicture(QLabel *box, const QImage &image);

// Stores the complete bytes of the file in the current record's PictureData,
// replacing what it held. False when the file cannot be read or the record not
// written (the record then keeps its old picture); `error` then says which, for the user.
bool SavePictureData(Db::RecordSet &set, const QString &path, QString *error = nullptr);
