// A player for a song's linked recording, as the song pane sees it: the pane holds it through this interface, so
// tests can drive the pane with a player of their own.
#pragma once

#include <QObject>
#include <QString>

class AudioPlayer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~AudioPlayer() override = default;

    // Loads the file, stopped at its start; an empty path unloads. A file that cannot be played leaves the player
    // stopped and reports an error.
    virtual void setFile(const QString &path) = 0;
    virtual QString file() const = 0;
    // Plays from the position; after the end of the file was reached, from the start.
    virtual void play() = 0;
    // Stops where it is, so that play() resumes there.
    virtual void pause() = 0;
    virtual bool isPlaying() const = 0;
    // Milliseconds. A position at or past the end ends playback as the end of the file does.
    virtual void seek(qint64 ms) = 0;
    virtual qint64 position() const = 0;
    // Milliseconds; 0 while unknown.
    virtual qint64 duration() const = 0;
    // Playback speed, 1.0 the recording's own; the pitch stays at every speed. Kept across pauses and files.
    virtual void setRate(double rate) = 0;
    virtual double rate() const = 0;

Q_SIGNALS:
    void playingChanged(bool playing);
    void durationChanged(qint64 ms);
    void errorOccurred(const QString &message);
};
