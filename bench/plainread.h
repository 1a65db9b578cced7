// The floor under loading a library: listing the song folder and its sub-folders, and reading every file's
// bytes, with plain system calls and nothing else.
#pragma once

#include <QString>

#include <string>
#include <vector>

class PlainRead
{
public:
    explicit PlainRead(const QString &folder);

    // Lists the folder and its sub-folders, and opens, reads whole and closes every file in them; answers
    // the bytes read.
    qint64 readAll();
    // The seconds of one readAll(), the median of a few so that one disturbed pass does not count.
    double medianSeconds();

private:
    // Reads the files of one folder, gathering its sub-folders into *subfolders when given.
    qint64 readFolder(const std::string &folder, std::vector<std::string> *subfolders);
    qint64 readFile(const std::string &path);

    std::string m_folder; // encoded once, so the floor holds no conversion
    std::vector<char> m_buffer;
};
