// The settings, libraries and fakes that the chord windows' tests share.
#include "chordwindowsfixture.h"

#include "chorddatabasefixture.h"
#include "chords.h"
#include "textfile.h"

#include <QSignalSpy>

void ChordWindowsFixture::SetUp()
{
    writeChordDatabase(databases.path(), QStringLiteral("Guitar"),
                       {
                           {"C", {x, 3, 2, 0, 1, 0}},
                           {"C", {x, 3, 5, 5, 5, 3}},
                           {"C7", {x, 3, 2, 3, 1, 0}},
                           {"C7", {x, 3, 5, 3, 5, 3}},
                           {"Cmaj7", {x, 3, 2, 0, 0, 0}},
                           {"D", {x, x, 0, 2, 3, 2}},
                           {"D7", {x, x, 0, 2, 1, 2}},
                           {"Dmaj7", {x, x, 0, 2, 2, 2}},
                           {"G", {3, 2, 0, 0, 0, 3}},
                       });
    writeChordDatabase(databases.path(), QStringLiteral("Ukulele_C"), {{"C", {0, 0, 0, 3, x, x}}});
    writeChordDatabase(databases.path(), QStringLiteral("Mandolin"), {{"C", {0, 2, 3, 0, x, x}}});
    writeChordDatabase(databases.path(), QStringLiteral("Piano"), {{"C", {0, 4, 7, x, x, x}}});
    prefs = Prefs::initFromFileSystem(databases.path());
    prefs->setSongDirectoryPath(songs.path());
    context.prefsObject = prefs.get();
    select("Guitar");
}

void ChordWindowsFixture::select(const char *title)
{
    ASSERT_TRUE(prefs->selectInstrumentByTitle(QString::fromLatin1(title)));
    ASSERT_NE(prefs->chords(), nullptr);
    waitUntilReady(*prefs->chords());
}

void ChordWindowsFixture::waitUntilReady(Chords &chords)
{
    QSignalSpy ready(&chords, &Chords::ready);
    if (!chords.isReady()) {
        ASSERT_TRUE(ready.wait(10000));
    }
}

QString ChordWindowsFixture::userFile() const
{
    return prefs->currentInstrument()->definedChordsPath(songs.path());
}

QString ChordWindowsFixture::readUserFile() const
{
    return TextFile::read(userFile(), TextFile::LastResort::None).value_or(QString());
}

Chord ChordWindowsFixture::chord(const QString &title, const Chord::Strings &strings, bool editable)
{
    Chord c;
    c.setTitle(title);
    c.strings() = strings;
    c.setEditable(editable);
    return c;
}

QList<Chord::Strings> ChordWindowsFixture::fingerings(const QString &name) const
{
    QList<Chord::Strings> strings;
    for (const Chord &c : library().chordsForTitle(name))
        strings.append(c.strings());
    return strings;
}
