// File names as the file system holds them: bytes, which need not be UTF-8.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QUrl>

class FileName
{
public:
    // The name's bytes as text: valid UTF-8 as its characters, and each byte of anything else as the lone
    // low surrogate U+DC80 + byte, which no valid UTF-8 gives. toBytes turns it back into the same bytes, so
    // every name the file system holds survives as a QString path.
    static QString fromBytes(QByteArrayView bytes);
    // The bytes of a name or path made by fromBytes (or any ordinary text, as UTF-8).
    static QByteArray toBytes(const QString &name);
    // True when the name holds bytes that are not UTF-8 (so Qt's own file classes cannot spell it).
    static bool hasRawBytes(const QString &name);
    // The file: URL of a path, by its own bytes (Qt's own spells the path as UTF-8, which leads elsewhere).
    static QUrl toUrl(const QString &path);
    // The name for people to read: each byte that is not UTF-8 shown as U+FFFD.
    static QString displayName(const QString &name);
};
