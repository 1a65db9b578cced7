#include "filekind.h"

#include "filepath.h"
#include "pdfsong.h"
#include "song.h"
#include "textfile.h"

#include <QFile>
#include <QFileInfo>

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
    QFile file;
    if (!FilePath::isFile(path) || !FilePath::openForReading(path, file))
        return true;
    return TextFile::isBinary(file.read(TextFile::kBinaryCheckBytes));
}
