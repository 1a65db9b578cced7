// The auto-scroll toolbar's playing-time field: seconds shown as minutes and seconds, typed either that way or
// as a plain number of seconds.
#pragma once

#include <QLineEdit>

class MinSecTextField : public QLineEdit
{
    Q_OBJECT

public:
    explicit MinSecTextField(QWidget *parent = nullptr);

    // The text read as "minutes:seconds" (parts after a second ":" are ignored) or as seconds. Each part reads
    // its leading blanks, sign and digits; text without digits reads 0, and a negative total reads 0.
    int time() const;
    // Shows the seconds as "%d:%02d" (no hours: 3600 shows "60:00").
    void setTime(int seconds);
};
