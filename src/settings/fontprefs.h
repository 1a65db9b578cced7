// One font record of the settings: font, size, traits and colours, in its archive and font-settings-file forms.
#pragma once

#include <QColor>
#include <QFont>
#include <QJsonObject>
#include <QString>

class FontPrefs
{
public:
    // The system font size, the desktop's text colour, a clear background, no traits, no name.
    FontPrefs();

    // Point size at zoom 1.
    double size() const { return m_size; }
    void setSize(double size) { m_size = size; }
    bool bold() const { return m_bold; }
    void setBold(bool bold) { m_bold = bold; }
    // Kept in the font settings file, not in the settings archive.
    bool italic() const { return m_italic; }
    void setItalic(bool italic) { m_italic = italic; }
    // A fixed-pitch font is wanted when no name is set.
    bool fixed() const { return m_fixed; }
    void setFixed(bool fixed) { m_fixed = fixed; }
    // A font family name; empty means the built-in choice by bold and fixed.
    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // An invalid colour means none.
    const QColor &color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    // Clear means no background.
    const QColor &backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }

    // The font to draw with at a zoom scale: the named family (with the bold and italic traits) when
    // installed, else Courier when fixed and installed, else the desktop's monospaced font when fixed,
    // else the (bold) system font; always at size x scale, the system font size for a size of 0.
    QFont fontWithScale(float scale) const;

    // The entry of a font settings file.
    QJsonObject toDict() const;
    // Overwrites this record from a font settings entry; a value of the wrong kind stops the reading there
    // (logged), keeping what was read before it.
    void fromDict(const QJsonObject &dict);

    // The record inside the settings archive (no italic, single-precision size, colours kept exactly).
    QJsonObject encode() const;
    static FontPrefs fromCoder(const QJsonObject &coder);

private:
    double m_size;
    bool m_bold = false;
    bool m_italic = false;
    bool m_fixed = false;
    QString m_name;
    QColor m_color;
    QColor m_backgroundColor;
};
