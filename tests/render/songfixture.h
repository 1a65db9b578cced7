// A song view over a song made from text, with settings whose fonts are DejaVu, so that metrics are the same on
// every machine.
#pragma once

#include "chords.h"
#include "fakeappcontext.h"
#include "prefs.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class SongFixture : public ::testing::Test, public SongViewDelegate
{
protected:
    SongFixture();

    SongPtr songForSongView(const SongView &) override { return song; }

    // Lays the text out at the width (points, border included) with a song of that text.
    void layOut(const QString &text, float width = 400);
    // The text of a record's range.
    QString textOf(const LineInfo &line) const;
    QString textOf(qsizetype index) const { return textOf(view.lines().at(index)); }
    // The width lines are measured with: the layout width less the border on both sides.
    float usableWidth() const { return view.widthForLines() - 2 * view.outerborder(); }
    // Heights of the view's fonts, for expected record heights.
    qreal textHeight() const;
    qreal chordRowHeight() const;
    // Gives the application a loaded guitar chord library that knows A, Am, Abm, B/Eb, C, D, E and G.
    void useChordLibrary();

    FakeAppContext context;
    Prefs prefs;
    SongPtr song;
    SongView view;
    QString text;
    QTemporaryDir chordFolder;
    Instrument guitar;
    std::unique_ptr<Chords> library;
};
