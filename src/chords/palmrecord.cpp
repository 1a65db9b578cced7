// One record of a Palm database (PDB) file: its data and the category the file files it under.
#include "palmrecord.h"

#include "textfile.h"

namespace {
constexpr qsizetype kCategoryNamesStart = 2;
constexpr qsizetype kCategoryNameSize = 16;
} // namespace

void PalmRecord::fillCategoryFromAppInfo(const QByteArray &appInfo)
{
    const qsizetype start = kCategoryNamesStart + kCategoryNameSize * (attrs & 0x0F);
    if (start >= appInfo.size())
        return;
    QByteArray name = appInfo.mid(start, kCategoryNameSize);
    if (const qsizetype end = name.indexOf('\0'); end >= 0)
        name.truncate(end);
    // Bytes that Windows-1252 leaves undefined are taken as Latin-1 rather than losing the name.
    category = TextFile::decodeWindows1252(name).value_or(QString::fromLatin1(name));
}
