// How the main window is divided: song-list column widths and pane widths, as fractions of the width
// available; kept in the settings or in a window layout file (".vellorinlayout").
#pragma once

#include <QJsonObject>
#include <QString>

#include <memory>

class VellorinWindowLayout
{
public:
    // Each a fraction from 0 to 1: a song-list column of the list's width, a pane of the window's split
    // width without its dividers; 0 for a hidden column or pane.
    double songlistcol0() const { return m_songlistcol0; }
    void setSonglistcol0(double value) { m_songlistcol0 = value; }
    double songlistcol1() const { return m_songlistcol1; }
    void setSonglistcol1(double value) { m_songlistcol1 = value; }
    double songlistcol2() const { return m_songlistcol2; }
    void setSonglistcol2(double value) { m_songlistcol2 = value; }
    double songlistcol3() const { return m_songlistcol3; }
    void setSonglistcol3(double value) { m_songlistcol3 = value; }
    double leftPanePercentage() const { return m_leftPanePercentage; }
    void setLeftPanePercentage(double value) { m_leftPanePercentage = value; }
    double middlePanePercentage() const { return m_middlePanePercentage; }
    void setMiddlePanePercentage(double value) { m_middlePanePercentage = value; }
    double rightPanePercentage() const { return m_rightPanePercentage; }
    void setRightPanePercentage(double value) { m_rightPanePercentage = value; }

    // Worth applying: the title column has a width, some pane is shown, and every value is a number from
    // 0 to 1 (a record filled from a window of zero width holds NaN).
    bool isValid() const;

    // Writes a window layout file atomically; a failure is logged and answers false.
    bool save(const QString &path) const;
    // Reads a window layout file; nullptr, with "Error loading layout: ..." logged, for a missing or
    // unreadable file and for a file of another kind.
    static std::unique_ptr<VellorinWindowLayout> load(const QString &path);

    // The record's JSON form, marked with its class; values at single precision.
    QJsonObject encode() const;
    // nullptr (and the reason in *error) unless the object is marked as a window layout. Every key is
    // optional; one that is present but no number reads as NaN, so the record is not valid.
    static std::unique_ptr<VellorinWindowLayout> fromCoder(const QJsonObject &coder, QString *error = nullptr);

private:
    double m_songlistcol0 = 0;
    double m_songlistcol1 = 0;
    double m_songlistcol2 = 0;
    double m_songlistcol3 = 0;
    double m_leftPanePercentage = 0;
    double m_middlePanePercentage = 0;
    double m_rightPanePercentage = 0;
};
