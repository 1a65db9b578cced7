// Playlist notes: their line form and their text.
#include "notesong.h"

#include "log.h"
#include "percentescape.h"

#include <QCoreApplication>

NoteSong::NoteSong()
{
    setTitle(QCoreApplication::translate("NoteSong", "Note"));
}

std::shared_ptr<NoteSong> NoteSong::fromLineString(const QString &line)
{
    auto note = std::make_shared<NoteSong>();
    note->setText(PercentEscape::legacyUnescape(line.startsWith(u'#') ? line.mid(1) : line));
    return note;
}

QString NoteSong::asLine() const
{
    // Blanks stay readable; everything that could break the line or the entry is escaped.
    return PercentEscape::legacyEscape(text()).replace(QStringLiteral("%20"), QStringLiteral(" "));
}

QString NoteSong::titleSubtitleReference() const
{
    return u'#' + asLine();
}

QString NoteSong::titleSubtitleRefCondensed() const
{
    return titleSubtitleReference();
}

QString NoteSong::noteText() const
{
    const QString plain = plainText();
    QStringList lines;
    TextRange range;
    while (const std::optional<QString> line = getNextLineForText(plain, range))
        lines.append(*line);
    return lines.join(u' ');
}

bool NoteSong::save()
{
    Log::write(QStringLiteral("save for NoteSong should not be called"));
    return false;
}
