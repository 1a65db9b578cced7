// MIDI in the application: the switch and its item title, songs chosen by MIDI and what happens to the song
// being edited, and a choice arriving while a question is open.
#include "appdelegatefixture.h"
#include "fakemidibackend.h"
#include "logcapture.h"
#include "mainmenus.h"
#include "midi.h"
#include "prefs.h"
#include "songs.h"

#include <QAction>
#include <QCoreApplication>

namespace {

const MidiPort keys = FakeMidiBackend::port(QStringLiteral("Keys"), QStringLiteral("Keys MIDI 1"), 20);

// The delegate with its MIDI ports faked: one keyboard, which the test plays.
class AppDelegateMidiTest : public AppDelegateTest
{
protected:
    void launchWithMidiPorts()
    {
        startWithMidiPorts();
        ASSERT_TRUE(waitForLibrary(*delegate->songs()));
    }

    // Launched, the library still loading.
    void startWithMidiPorts()
    {
        makeDelegate();
        delegate->setMidiBackendMaker([this] {
            auto backend = std::make_unique<FakeMidiBackend>();
            backend->setSources({keys});
            ports = backend.get();
            return backend;
        });
        UserDefaults::setValue(songDirKey, folder.path());
        delegate->applicationDidFinishLaunching();
    }

    void play(const char *hex)
    {
        ASSERT_NE(ports, nullptr);
        ASSERT_TRUE(ports->receive(keys.id, QByteArray::fromHex(hex)));
        QCoreApplication::processEvents();
    }

    FakeMidiBackend *ports = nullptr;
};

} // namespace

TEST_F(AppDelegateMidiTest, TheMenuItemSwitchesTheControllerAndNamesThePorts)
{
    launchWithMidiPorts();
    QAction *item = delegate->menus()->action(QStringLiteral("actToggleMIDI"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(delegate->midi(), nullptr);

    item->trigger();
    ASSERT_NE(delegate->midi(), nullptr);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(item->text(), QStringLiteral("MIDI (Keys:Keys MIDI 1)"));
    EXPECT_TRUE(Prefs::initFromFileSystem()->midi()) << "the choice is stored";

    ports->setSources({});
    delegate->midi()->midi().scanExistingDevices();
    EXPECT_EQ(item->text(), QStringLiteral("MIDI")) << "the title follows the ports";

    LogCapture log;
    item->trigger();
    EXPECT_EQ(delegate->midi(), nullptr);
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(item->text(), QStringLiteral("MIDI"));
    EXPECT_FALSE(Prefs::initFromFileSystem()->midi());
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Midi dealloc 0")));
}

TEST_F(AppDelegateMidiTest, MidiOnAtLaunchChoosesSongsAtOnceAndShowsTheLibrarysOwnSong)
{
    writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\n{midi-index: PC1}\nla"));
    {
        Prefs stored;
        stored.setMidi(true);
        ASSERT_TRUE(stored.save());
    }
    launchWithMidiPorts();
    ASSERT_NE(delegate->midi(), nullptr);
    play("c001");
    ASSERT_NE(delegate->currentSong(), nullptr) << "the library's songs were indexed when MIDI started";
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("A"));
    bool libraryObject = false;
    for (const SongPtr &song : delegate->songs()->allSongs())
        libraryObject = libraryObject || song == delegate->currentSong();
    EXPECT_TRUE(libraryObject) << "one file, one object: not the copy read for matching";
}

TEST_F(AppDelegateMidiTest, ASongChosenWhileTheLibraryLoadsIsShownOnceTheLibraryIsRead)
{
    writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\n{midi-index: PC1}\nla"));
    for (int number = 0; number < 300; ++number)
        writeSong(QStringLiteral("more/%1.pro").arg(number), QStringLiteral("{title: %1}\nla").arg(number));
    {
        Prefs stored;
        stored.setMidi(true);
        ASSERT_TRUE(stored.save());
    }
    startWithMidiPorts();
    ASSERT_TRUE(delegate->songs()->isLoading());
    ASSERT_NE(delegate->midi(), nullptr);
    play("c001");
    ASSERT_TRUE(waitForLibrary(*delegate->songs()));
    ASSERT_NE(delegate->currentSong(), nullptr) << "the choice waited for the songs it chooses from";
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("A"));
}

TEST_F(AppDelegateMidiTest, TheEditedSongIsSavedBeforeMidiChoosesAnother)
{
    writeSong(QStringLiteral("b.pro"), QStringLiteral("{title: B}\n{midi-index: PC2}\nla"));
    launchWithMidiPorts();
    delegate->toggleMIDI();
    const SongPtr edited =
        showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"), QStringLiteral("{title: A}\nnew"));
    play("c002");
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "saved without asking";
    EXPECT_EQ(fileText(edited->path()), QStringLiteral("{title: A}\nnew"));
    ASSERT_NE(delegate->currentSong(), nullptr);
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("B"));
}

TEST_F(AppDelegateMidiTest, AnEditThatCannotBeSavedKeepsItsSongShown)
{
    writeSong(QStringLiteral("b.pro"), QStringLiteral("{title: B}\n{midi-index: PC2}\nla"));
    launchWithMidiPorts();
    delegate->toggleMIDI();
    const SongPtr edited = showEditedSong(QStringLiteral("cat/a.pro"), QStringLiteral("{title: A}\nold"),
                                          QStringLiteral("{title: A}\nnew"));
    ASSERT_TRUE(QDir(folder.filePath(QStringLiteral("cat"))).removeRecursively());
    ASSERT_TRUE(TextFile::write(folder.filePath(QStringLiteral("cat")), QStringLiteral("in the way")));
    play("c002");
    EXPECT_EQ(delegate->currentSong(), edited);
    EXPECT_EQ(edited->text(), QStringLiteral("{title: A}\nnew"));
}

TEST_F(AppDelegateMidiTest, AChoiceArrivingDuringAQuestionWaitsForTheAnswer)
{
    writeSong(QStringLiteral("b.pro"), QStringLiteral("{title: B}\n{midi-index: PC2}\nla"));
    launchWithMidiPorts();
    delegate->toggleMIDI();
    const SongPtr edited =
        showEditedSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\nold"), QStringLiteral("{title: A}\nnew"));
    SongPtr shownWhileAsking;
    dialogs.whileShown = [&] {
        play("c002"); // the dialog's own event loop runs the queued call
        shownWhileAsking = delegate->currentSong();
    };
    dialogs.answers = {Dialogs::Answer::Alternate}; // discard the edits
    EXPECT_TRUE(delegate->saveCurrentSongInteractive(true));
    EXPECT_EQ(shownWhileAsking, edited) << "no switch under an open question";
    QCoreApplication::processEvents();
    ASSERT_NE(delegate->currentSong(), nullptr);
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("B"));
    EXPECT_EQ(fileText(edited->path()), QStringLiteral("{title: A}\nold")) << "the answer was followed first";
}
