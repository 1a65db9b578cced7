// Whole files written and read plainly in tests, apart from the code under test; a file that cannot be
// opened fails the running test.
#pragma once

#include <QByteArray>
#include <QString>

class TestFiles
{
public:
    // Writes the bytes, making the folders on the way; answers the path.
    static QString write(const QString &path, const QByteArray &bytes);
    static QByteArray read(const QString &path);
    // The file's bytes as UTF-8 text.
    static QString readText(const QString &path);
};
