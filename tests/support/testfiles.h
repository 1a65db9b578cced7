// Whole files written and read plainly in tests, apart from the code under test; a file that cannot be
// opened fails the running test.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TestFiles
{
public:
    // Writes the bytes, making the folders on the way; answers the path.
    static QString write(const QString &path, const QByteArray &bytes);
    static QByteArray read(const QString &path);
    // The file's bytes as UTF-8 text.
    static QString readText(const QString &path);
    // A PDF with one page per text, each text drawn near the page's top left, making the folders on the way;
    // answers the path.
    static QString writePdfPages(const QString &path, const QStringList &pageTexts);
};
