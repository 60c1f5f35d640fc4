#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

// A small key/value store of "key=value" lines. Used as the icon cache "Icons.txt"
// of a built page and to read a page's info block.
class ConfigStore {
    Q_DECLARE_TR_FUNCTIONS(ConfigStore)

public:
    static const QString NotFound; // "[NOT FOUND]"

    void ClearAll();
    // Replaces the content with the key=value lines of a file (throws AppError; 75 for
    // anything but a regular file of at most 16 MB).
    void LoadFile(const QString& Path);
    // Replaces the content with the key=value lines of a text. Lines may end in
    // CR LF, LF or CR; no value keeps a line-break character.
    void LoadText(const QString& Text);
    QString GetValue(const QString& Key) const; // NotFound for a missing key
    void SetValue(const QString& Key, const QString& Value);
    // The whole number under CountKey, one higher (a missing key counts as 0).
    void IncrementCount(const QString& CountKey);
    // Key Prefix + (number under CountKey) gets Value.
    void SetListValue(const QString& CountKey, const QString& Prefix, const QString& Value);
    // Smallest k in 1..(number under CountKey) whose key Prefix + k holds Value, or 0.
    // Answers from an index, not by scanning the keys.
    int FindListValue(const QString& CountKey, const QString& Prefix, const QString& Value,
                      bool IgnoreCase) const;
    // Writes the store in the form LoadFile reads (throws AppError); a value keeps its
    // line breaks and backslashes through SaveToFile and LoadFile.
    void SaveToFile(const QString& Path) const;

private:
    // Escaped: the text was written by SaveToFile, whose values keep their line breaks.
    void Load(const QString& Text, bool Escaped);
    void Index(const QString& Key, const QString& Value);
    void Unindex(const QString& Key, const QString& Value);

    QStringList Keys; // insertion order, for saving
    QHash<QString, QString> Values;
    QHash<QString, QStringList> ByValue;       // value -> keys holding it
    QHash<QString, QStringList> ByFoldedValue; // case-folded value -> keys
};
