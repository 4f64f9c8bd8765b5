#pragma once

#include <QString>

#include <utility>

// The per-user settings store: string values addressed by application (the
// program's file name without extension), section "Settings" and key, kept in
// an INI file in the user's configuration folder. Also the character shift
// that protects the update reminder's entry and the saved reading files.
namespace Settings {

// The shift of the text encoding; one value for the whole program. Saved
// reading files depend on it, so it must never change.
constexpr int K = 7;

// The store in one INI file (DataLocations::SettingsFile()).
class Store {
public:
    explicit Store(QString file) : file_(std::move(file)) {}
    QString Read(const QString &key, const QString &defaultValue) const;
    // Creates or replaces the entry; false when the store's file could not be written.
    bool Write(const QString &key, const QString &value) const;
    // Path of the INI file behind the store.
    QString FilePath() const { return file_; }

private:
    QString file_;
};

// Each character's single-byte code (Latin-1) is shifted by +K; a character
// whose shifted code would pass 255 is dropped.
QString EncodeText(const QString &text);
// The reverse shift by -K; a character whose code would fall below 0 is dropped.
QString DecodeText(const QString &text);

} // namespace Settings
