#include "minsectextfield.h"

#include "textnumber.h"

#include <algorithm>
#include <limits>

MinSecTextField::MinSecTextField(QWidget *parent)
    : QLineEdit(parent)
{
    // Connected before any user of the field, so they read the normalised text.
    connect(this, &QLineEdit::editingFinished, this, [this] { setTime(time()); });
}

int MinSecTextField::time() const
{
    const QString shown = text();
    const qsizetype colon = shown.indexOf(QLatin1Char(':'));
    // Parts read as int, so minutes x 60 plus seconds cannot overflow 64 bits.
    const qint64 seconds = colon < 0 ? TextNumber::leadingInteger(shown)
                                     : qint64(TextNumber::leadingInt(shown)) * 60 +
                                           TextNumber::leadingInt(QStringView(shown).mid(colon + 1));
    return int(std::clamp<qint64>(seconds, 0, std::numeric_limits<int>::max()));
}

void MinSecTextField::setTime(int seconds)
{
    setText(QString::asprintf("%d:%02d", seconds / 60, seconds % 60));
}
