#include "tuningdialog.h"

#include "chordwindowsfixture.h"
#include "instrument.h"
#include "scripteddialogs.h"

#include <QFileInfo>

namespace {

class TuningDialogTest : public ChordWindowsFixture
{
protected:
    Instrument &guitar() const { return *prefs->currentInstrument(); }
    bool run() { return TuningDialog(dialogs).run(*prefs); }

    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(TuningDialogTest, AsksWithThePlainNamesAndShowsTheSettingsNaming)
{
    ASSERT_TRUE(guitar().loadTuning(QStringLiteral("# D A D G B E")));
    struct Case
    {
        bool latin;
        bool leftHanded;
        const char *placeholder;
    };
    const Case cases[] = {
        {false, false, "D A D G B E"},
        {true, false, "Re La Re Sol Si Mi"},
        {false, true, "E B G D A D"},
    };
    for (const Case &c : cases) {
        prefs->setLatinChords(c.latin);
        prefs->setLeftHandedChordDisplay(c.leftHanded);
        dialogs.textPromptsShown.clear();
        EXPECT_FALSE(run()) << "cancelled";
        ASSERT_EQ(dialogs.textPromptsShown.size(), 1);
        const Dialogs::TextPrompt &prompt = dialogs.textPromptsShown.first();
        EXPECT_EQ(prompt.title, QStringLiteral("Tuning"));
        EXPECT_EQ(prompt.text, QStringLiteral("D A D G B E"));
        EXPECT_EQ(prompt.placeholder, QLatin1String(c.placeholder));
        EXPECT_EQ(TuningDialog::description(*prefs), QLatin1String(c.placeholder));
        EXPECT_EQ((QStringList{prompt.defaultButton, prompt.alternateButton, prompt.otherButton}),
                  (QStringList{"OK", "Cancel", "Reset"}));
    }
}

TEST_F(TuningDialogTest, OkTakesTheTypedTuningAndWritesItFirstInTheUserChordFile)
{
    dialogs.textAnswers = {{Dialogs::Answer::Default, QStringLiteral("D A D G B E")}};
    EXPECT_TRUE(run());
    EXPECT_EQ(guitar().tuningDescription(), QStringLiteral("D A D G B E"));
    EXPECT_TRUE(readUserFile().startsWith(QStringLiteral("# D A D G B E\n"))) << readUserFile().toStdString();
}

TEST_F(TuningDialogTest, ARefusedTuningChangesNothing)
{
    ASSERT_TRUE(guitar().loadTuning(QStringLiteral("# D A D G B E")));
    guitar().setSongTuning(true);
    for (const char *typed : {"X Y", "E A D", ""}) {
        dialogs.textAnswers = {{Dialogs::Answer::Default, QLatin1String(typed)}};
        EXPECT_FALSE(run()) << typed;
        EXPECT_EQ(guitar().tuningDescription(), QStringLiteral("D A D G B E")) << typed;
        EXPECT_TRUE(guitar().songTuning()) << typed;
        EXPECT_FALSE(QFileInfo::exists(userFile())) << typed;
    }
}

TEST_F(TuningDialogTest, OkWithoutAChangeKeepsTheTuningWhateverTheNaming)
{
    ASSERT_TRUE(guitar().loadTuning(QStringLiteral("# D A D G B E")));
    prefs->setLeftHandedChordDisplay(true);
    prefs->setLatinChords(true);
    // The field as the dialog filled it, taken as it is.
    dialogs.textAnswers = {{Dialogs::Answer::Default, guitar().tuningDescription()}};
    EXPECT_TRUE(run());
    EXPECT_EQ(guitar().tuningDescription(), QStringLiteral("D A D G B E"));
}

TEST_F(TuningDialogTest, ATuningSetHereIsTheUsersOwnEvenWhileTheSongsTuningIsInForce)
{
    ASSERT_TRUE(guitar().loadTuning(QStringLiteral("# D A D G B E")));
    guitar().setSongTuning(true);
    dialogs.textAnswers = {{Dialogs::Answer::Default, QStringLiteral("C G C F A D")}};
    EXPECT_TRUE(run());
    EXPECT_FALSE(guitar().songTuning());
    EXPECT_TRUE(readUserFile().startsWith(QStringLiteral("# C G C F A D\n"))) << readUserFile().toStdString();

    ASSERT_TRUE(guitar().loadTuning(QStringLiteral("# D A D G B E")));
    guitar().setSongTuning(true);
    dialogs.textAnswers = {{Dialogs::Answer::Other, QStringLiteral("anything")}};
    EXPECT_TRUE(run()) << "Reset";
    EXPECT_FALSE(guitar().isDetuned());
    EXPECT_FALSE(readUserFile().startsWith(QStringLiteral("#")))
        << "standard tuning has no line: " << readUserFile().toStdString();
}
