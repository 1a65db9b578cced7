// Plain whole-file access for test fixtures.
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

QString TestFiles::write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    return path;
}

QByteArray TestFiles::read(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString TestFiles::readText(const QString &path)
{
    return QString::fromUtf8(read(path));
}

QString TestFiles::writePdfPages(const QString &path, const QStringList &pageTexts)
{
    QDir().mkpath(QFileInfo(path).path());
    QPdfWriter writer(path);
    QPainter painter(&writer);
    for (qsizetype page = 0; page < pageTexts.size(); ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawText(100, 100, pageTexts[page]);
    }
    EXPECT_TRUE(painter.end()) << path.toStdString();
    return path;
}
