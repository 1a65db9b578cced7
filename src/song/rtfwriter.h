// Our own small writer of rich text (RTF 1.x): fonts, sizes, bold, italic, colours and centred paragraphs.
#pragma once

#include <QByteArray>
#include <QString>

class AttributedText;

class RtfWriter
{
public:
    // A whole RTF document: every "\n" of the text ends a paragraph. The result is plain ASCII.
    static QByteArray rtfFromAttributedText(const AttributedText &text);
    // Text as it stands in an RTF group: "\", "{" and "}" escaped, a tab as "\tab", and every character
    // outside printable ASCII as "\uN?" (N the signed 16-bit UTF-16 unit, "?" what readers without
    // Unicode show), so accented and right-to-left text survives. Line breaks are the caller's business.
    static QByteArray escapedText(const QString &text);
};
