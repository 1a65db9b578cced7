#include "corpus.h"

#include <QFile>

QString Corpus::folder()
{
    const QString named = qEnvironmentVariable("VELLORIN_BENCH_CORPUS");
    return named.isEmpty() ? QStringLiteral("/tmp/vellorin-corpus/n1000") : named;
}

QStringList Corpus::list(const QString &name)
{
    QFile file(folder() + QStringLiteral(".meta/") + name);
    QStringList paths;
    if (!file.open(QIODevice::ReadOnly))
        return paths;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty())
            paths.append(folder() + QLatin1Char('/') + QString::fromUtf8(line));
    return paths;
}
