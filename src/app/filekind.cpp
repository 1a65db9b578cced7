#include "filekind.h"

#include "pdfsong.h"
#include "song.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool hasWideTextMark(const QByteArray &start)
{
    // UTF-32 marks begin like UTF-16 ones, so both are found by these.
    return start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF") ||
           start.startsWith(QByteArray("\0\0\xFE\xFF", 4));
}

} // namespace

FileKind::Kind FileKind::of(const QString &path)
{
    const QString extension = QFileInfo(path).suffix();
    if (extension.compare(QLatin1String("vellorinfontsettings"), Qt::CaseInsensitive) == 0)
        return FontSettings;
    if (extension.compare(QLatin1String("vellorinlayout"), Qt::CaseInsensitive) == 0)
        return Layout;
    if (::Song::isChordProFile(path))
        return Song;
    if (PDFSong::isPDF(path))
        return Pdf;
    return isBinary(path) ? Binary : Text;
}

bool FileKind::isBinary(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray start = file.read(8192);
    return start.contains('\0') && !hasWideTextMark(start);
}
