#include "appreviewmanager.h"
#include "fakeclock.h"
#include "openedurls.h"
#include "scripteddialogs.h"
#include "userdefaults.h"

#include <QGuiApplication>

#include <functional>

#include <gtest/gtest.h>

namespace {

constexpr qint64 day = 86400;
const QString appID = QStringLiteral("1000000001");
const QString storeLink = QStringLiteral(
    "macappstore://store.vellorin.app/app/thumbs/id1000000001?ls=1&mt=12&at=p7c2wq&ct=AppReviewManager-1000000001");
const char *const oldKeys[] = {"kAppiraterFirstUseDate",          "kAppiraterUseCount",
                               "kAppiraterSignificantEventCount", "kAppiraterCurrentVersion",
                               "kAppiraterRatedCurrentVersion",   "kAppiraterRatedAnyVersion",
                               "kAppiraterDeclinedToRate",        "kAppiraterReminderRequestDate"};

void setApplicationState(Qt::ApplicationState state)
{
    Q_EMIT qGuiApp->applicationStateChanged(state);
}

class AppReviewManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The activation tests play the application's state changes themselves.
        ASSERT_NE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Songs"));
        manager.setAppID(appID);
        manager.setDialogs(&dialogs);
        clearStore();
    }
    void TearDown() override
    {
        clearStore();
        QCoreApplication::setApplicationVersion(QString());
    }

    void clearStore()
    {
        for (const QString &key : manager.allKeys())
            UserDefaults::remove(key);
        for (const char *key : oldKeys)
            UserDefaults::remove(QLatin1String(key));
    }
    QVariant stored(AppReviewManager::KeyType type) { return UserDefaults::value(key(type)); }
    void store(AppReviewManager::KeyType type, const QVariant &value) { UserDefaults::setValue(key(type), value); }
    QString key(AppReviewManager::KeyType type) { return manager.keyForAppReviewManagerKeyType(type); }
    double nowSeconds() const { return clock.now().toSecsSinceEpoch(); }

    // The state in which the prompt is due with the default thresholds: six days and 21 uses.
    void makePromptDue()
    {
        store(AppReviewManager::CurrentVersion, QStringLiteral("1.0"));
        store(AppReviewManager::FirstUseDate, nowSeconds() - 6 * day);
        store(AppReviewManager::UseCount, 21);
    }
    // Shows the alert the way the application does: checked now, asked from the event loop.
    void promptFromEventLoop()
    {
        manager.showPromptIfNecessary();
        QCoreApplication::processEvents();
    }

    FakeClock clock;
    ScriptedDialogs dialogs;
    AppReviewManager manager{clock};
};

TEST_F(AppReviewManagerTest, CountsAUseAtLaunchAndAtEachActivation)
{
    manager.applicationDidFinishLaunching();
    EXPECT_EQ(UserDefaults::value(QStringLiteral("1000000001_AppReviewManagerKeyUseCount")).toInt(), 1);
    EXPECT_EQ(stored(AppReviewManager::FirstUseDate).toDouble(), nowSeconds());
    EXPECT_EQ(stored(AppReviewManager::CurrentVersion).toString(), QStringLiteral("1.0"));

    const double firstUse = nowSeconds();
    clock.advanceDays(1);
    setApplicationState(Qt::ApplicationActive);
    setApplicationState(Qt::ApplicationInactive);
    setApplicationState(Qt::ApplicationHidden); // still not active: no use
    setApplicationState(Qt::ApplicationActive);
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 3);
    EXPECT_EQ(stored(AppReviewManager::FirstUseDate).toDouble(), firstUse);

    manager.userDidSignificantEvent(false);
    EXPECT_EQ(stored(AppReviewManager::SignificantEventCount).toInt(), 1);
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 3);
}

TEST_F(AppReviewManagerTest, NewVersionStartsCountingOverAndKeepsThePreviousAnswers)
{
    manager.applicationDidFinishLaunching();
    manager.applicationDidFinishLaunching();
    manager.userDidSignificantEvent(false);
    store(AppReviewManager::RatedCurrentVersion, true);
    store(AppReviewManager::ReminderRequestDate, nowSeconds());

    clock.advanceDays(10);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));
    // Any counter starts the new version, and the new version's count is one use.
    manager.userDidSignificantEvent(false);

    EXPECT_EQ(stored(AppReviewManager::PreviousVersion).toString(), QStringLiteral("1.0"));
    EXPECT_TRUE(stored(AppReviewManager::PreviousVersionRated).toBool());
    EXPECT_FALSE(stored(AppReviewManager::PreviousVersionDeclinedToRate).toBool());
    EXPECT_EQ(stored(AppReviewManager::CurrentVersion).toString(), QStringLiteral("1.1"));
    EXPECT_EQ(stored(AppReviewManager::FirstUseDate).toDouble(), nowSeconds());
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 1);
    EXPECT_EQ(stored(AppReviewManager::SignificantEventCount).toInt(), 0);
    EXPECT_FALSE(stored(AppReviewManager::RatedCurrentVersion).toBool());
    EXPECT_FALSE(stored(AppReviewManager::DeclinedToRate).toBool());
    EXPECT_EQ(stored(AppReviewManager::ReminderRequestDate).toDouble(), 0.0);

    manager.setTracksNewVersions(false);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));
    manager.applicationDidFinishLaunching();
    EXPECT_EQ(stored(AppReviewManager::CurrentVersion).toString(), QStringLiteral("1.1"));
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 1);
}

TEST_F(AppReviewManagerTest, MovesTheOlderComponentsKeysOnce)
{
    const double firstUse = nowSeconds() - 3 * day;
    UserDefaults::setValue(QStringLiteral("kAppiraterFirstUseDate"), firstUse);
    UserDefaults::setValue(QStringLiteral("kAppiraterUseCount"), 7);
    UserDefaults::setValue(QStringLiteral("kAppiraterCurrentVersion"), QStringLiteral("1.0"));
    UserDefaults::setValue(QStringLiteral("kAppiraterDeclinedToRate"), true);

    manager.applicationDidFinishLaunching();
    EXPECT_EQ(stored(AppReviewManager::FirstUseDate).toDouble(), firstUse);
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 8);
    EXPECT_TRUE(manager.userHasDeclinedToRate());
    for (const char *oldKey : oldKeys)
        EXPECT_FALSE(UserDefaults::contains(QLatin1String(oldKey))) << oldKey;
    EXPECT_TRUE(UserDefaults::value(QStringLiteral("AppReviewManagerKeyAppiraterMigrationCompleted")).toBool());

    UserDefaults::setValue(QStringLiteral("kAppiraterUseCount"), 50);
    manager.applicationDidFinishLaunching();
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 9);
    EXPECT_TRUE(UserDefaults::contains(QStringLiteral("kAppiraterUseCount")));
}

TEST_F(AppReviewManagerTest, ConditionsDecideWhetherToAsk)
{
    struct Case
    {
        const char *name;
        qint64 secondsSinceFirstUse = 6 * day;
        int uses = 21;
        int events = 0;
        uint eventsNeeded = 0;
        bool declined = false;
        bool ratedThisVersion = false;
        qint64 secondsSinceReminder = -1; // -1: no reminder
        uint daysBeforeReminding = 2;
        bool ratedAnyVersion = false;
        bool promptIfRated = true;
        bool due = true;
    };
    const Case cases[] = {
        {.name = "thresholds just met"},
        {.name = "a second short of six days", .secondsSinceFirstUse = 6 * day - 1, .due = false},
        {.name = "20 uses are not more than 20", .uses = 20, .due = false},
        {.name = "too few significant events", .events = 1, .eventsNeeded = 2, .due = false},
        {.name = "enough significant events", .events = 2, .eventsNeeded = 2},
        {.name = "declined", .declined = true, .due = false},
        {.name = "rated this version", .ratedThisVersion = true, .due = false},
        {.name = "reminder pending", .secondsSinceReminder = 2 * day - 1, .due = false},
        {.name = "reminder passed", .secondsSinceReminder = 2 * day},
        {.name = "reminding off", .secondsSinceReminder = 1, .daysBeforeReminding = 0},
        {.name = "rated before, ask again", .ratedAnyVersion = true},
        {.name = "rated before, never again", .ratedAnyVersion = true, .promptIfRated = false, .due = false},
    };
    for (const Case &c : cases) {
        clearStore();
        makePromptDue();
        store(AppReviewManager::FirstUseDate, nowSeconds() - c.secondsSinceFirstUse);
        store(AppReviewManager::UseCount, c.uses);
        store(AppReviewManager::SignificantEventCount, c.events);
        store(AppReviewManager::DeclinedToRate, c.declined);
        store(AppReviewManager::RatedCurrentVersion, c.ratedThisVersion);
        store(AppReviewManager::RatedAnyVersion, c.ratedAnyVersion);
        if (c.secondsSinceReminder >= 0)
            store(AppReviewManager::ReminderRequestDate, nowSeconds() - c.secondsSinceReminder);
        manager.setSignificantEventsUntilPrompt(c.eventsNeeded);
        manager.setDaysBeforeReminding(c.daysBeforeReminding);
        manager.setShouldPromptIfRated(c.promptIfRated);
        EXPECT_EQ(manager.ratingConditionsHaveBeenMet(), c.due) << c.name;
    }

    // Values of the wrong type read as 0 or "no".
    clearStore();
    makePromptDue();
    store(AppReviewManager::UseCount, QStringLiteral("many"));
    EXPECT_FALSE(manager.ratingConditionsHaveBeenMet());
    store(AppReviewManager::UseCount, 21);
    store(AppReviewManager::DeclinedToRate, QStringLiteral("false"));
    EXPECT_TRUE(manager.ratingConditionsHaveBeenMet());

    // Without an application identifier nothing is due, unless debugging.
    AppReviewManager anonymous(clock);
    EXPECT_FALSE(anonymous.ratingConditionsHaveBeenMet());
    anonymous.setDebugEnabled(true);
    EXPECT_TRUE(anonymous.ratingConditionsHaveBeenMet());
}

TEST_F(AppReviewManagerTest, AsksOnceUsedLongEnoughCountingTheLaunchFirst)
{
    manager.applicationDidFinishLaunching();
    for (int activation = 0; activation < 19; ++activation) {
        setApplicationState(Qt::ApplicationActive);
        setApplicationState(Qt::ApplicationInactive);
    }
    clock.advanceDays(6);
    promptFromEventLoop();
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "20 uses are not enough";

    // The launch's own use counts before the launch-time check reads the counters.
    manager.applicationDidFinishLaunching();
    manager.showPromptIfNecessary();
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "asked from the event loop, not during launch";
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.asked.size(), 1);

    // Closed unanswered, so still due, but the caller may forbid asking.
    manager.showPromptIfNecessary(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.asked.size(), 1);

    const Dialogs::Alert &alert = dialogs.asked.first();
    EXPECT_EQ(alert.title, QStringLiteral("Rate Songs"));
    EXPECT_EQ(alert.informativeText,
              QStringLiteral("If you enjoy using Songs, would you mind taking a moment to rate it? It won't take more "
                             "than a minute. Thanks for your support!"));
    EXPECT_EQ(alert.defaultButton, QStringLiteral("Rate Songs"));
    EXPECT_EQ(alert.alternateButton, QStringLiteral("No, Thanks"));
    EXPECT_EQ(alert.otherButton, QStringLiteral("Remind me later"));
}

TEST_F(AppReviewManagerTest, WithoutRemindingTheAlertHasTwoButtons)
{
    manager.setDaysBeforeReminding(0);
    makePromptDue();
    promptFromEventLoop();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(dialogs.asked.first().otherButton.isEmpty());
    EXPECT_FALSE(manager.showsRemindButton());
}

TEST_F(AppReviewManagerTest, EachAnswerStoresWhatItSays)
{
    struct Case
    {
        const char *name;
        Dialogs::Answer answer;
        bool rated;
        bool declined;
        bool reminded;
        bool dueTwoDaysLater;
    };
    const Case cases[] = {
        {"rate", Dialogs::Answer::Default, true, false, false, false},
        {"no thanks", Dialogs::Answer::Alternate, false, true, false, false},
        {"remind me later", Dialogs::Answer::Other, false, false, true, true},
        {"closed unanswered", Dialogs::Answer::Closed, false, false, false, true},
    };
    for (const Case &c : cases) {
        clearStore();
        makePromptDue();
        OpenedUrls opened;
        dialogs.answers = {c.answer};
        promptFromEventLoop();

        EXPECT_EQ(manager.userHasRatedCurrentVersion(), c.rated) << c.name;
        EXPECT_EQ(stored(AppReviewManager::RatedAnyVersion).toBool(), c.rated) << c.name;
        EXPECT_EQ(opened.urls(), c.rated ? QList<QUrl>{QUrl(storeLink)} : QList<QUrl>{}) << c.name;
        EXPECT_EQ(manager.userHasDeclinedToRate(), c.declined) << c.name;
        EXPECT_EQ(stored(AppReviewManager::ReminderRequestDate).toDouble(), c.reminded ? nowSeconds() : 0.0) << c.name;
        EXPECT_EQ(manager.ratingConditionsHaveBeenMet(), !c.rated && !c.declined && !c.reminded) << c.name;

        clock.advanceDays(2);
        EXPECT_EQ(manager.ratingConditionsHaveBeenMet(), c.dueTwoDaysLater) << c.name;
    }
}

TEST_F(AppReviewManagerTest, DeactivationHidesTheAlertAndStoresNothing)
{
    setApplicationState(Qt::ApplicationActive);
    makePromptDue();
    OpenedUrls opened;
    dialogs.answers = {Dialogs::Answer::Default};
    dialogs.whileShown = [] { setApplicationState(Qt::ApplicationInactive); };
    promptFromEventLoop();

    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.answers.size(), 1u) << "the alert was taken away before it was answered";
    EXPECT_FALSE(manager.userHasRatedCurrentVersion());
    EXPECT_FALSE(manager.userHasDeclinedToRate());
    EXPECT_TRUE(opened.urls().isEmpty());
    EXPECT_TRUE(manager.ratingConditionsHaveBeenMet());
}

TEST_F(AppReviewManagerTest, StoreLinkIsMadeFromItsTemplate)
{
    EXPECT_EQ(manager.reviewURLString(), storeLink);

    AppReviewManager other(clock);
    other.setAffiliateCode(QString());
    other.setAffiliateCampaignCode(QStringLiteral("launch"));
    other.setAppID(QStringLiteral("42"));
    other.setAffiliateCode(QStringLiteral("abc123"));
    EXPECT_EQ(other.reviewURLString(),
              QStringLiteral("macappstore://store.vellorin.app/app/thumbs/id42?ls=1&mt=12&at=abc123&ct=launch"));

    // A desktop without a handler for the store's links: the answer still counts as rated.
    OpenedUrls failing(false);
    manager.rateApp();
    EXPECT_EQ(failing.urls(), QList<QUrl>{QUrl(storeLink)});
    EXPECT_TRUE(manager.userHasRatedCurrentVersion());
}

TEST_F(AppReviewManagerTest, EachAnswerRunsItsCallbackAfterStoringAndTheDisplayCallbackLast)
{
    QStringList ran;
    const auto record = [&](const char *what, AppReviewManager::KeyType stored) {
        return
            [&, what, stored] { ran.append(QString::fromLatin1(what) + (this->stored(stored).isValid() ? "+" : "")); };
    };
    manager.setOnDidOptToRate(record("rate", AppReviewManager::RatedCurrentVersion));
    manager.setOnDeclineToRate(record("decline", AppReviewManager::DeclinedToRate));
    manager.setOnDidOptToRemindLater(record("remind", AppReviewManager::ReminderRequestDate));
    manager.setOnDidDisplayAlert([&] { ran.append(QStringLiteral("shown")); });
    struct Case
    {
        Dialogs::Answer answer;
        QStringList ran;
    };
    const Case cases[] = {
        {Dialogs::Answer::Default, {"rate+", "shown"}},
        {Dialogs::Answer::Alternate, {"decline+", "shown"}},
        {Dialogs::Answer::Other, {"remind+", "shown"}},
        {Dialogs::Answer::Closed, {"shown"}},
    };
    for (const Case &c : cases) {
        clearStore();
        ran.clear();
        OpenedUrls opened;
        dialogs.answers = {c.answer};
        manager.showPrompt();
        EXPECT_EQ(ran, c.ran);
    }
    // Rating without the alert is no answer to it.
    ran.clear();
    OpenedUrls opened;
    manager.rateApp();
    EXPECT_TRUE(ran.isEmpty());
}

TEST_F(AppReviewManagerTest, TheShouldPromptBlockSeesTheTrackingInformationAndDecides)
{
    makePromptDue();
    QList<QVariantMap> seen;
    bool answer = false;
    manager.setShouldPromptBlock([&](const QVariantMap &info) {
        seen.append(info);
        return answer;
    });
    promptFromEventLoop();
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "the block said no";
    ASSERT_EQ(seen.size(), 1);
    const QVariantMap &info = seen.first();
    EXPECT_EQ(info.keys().size(), 12);
    for (const QString &key : manager.allKeys())
        EXPECT_TRUE(info.contains(key)) << key.toStdString();
    EXPECT_EQ(info.value(key(AppReviewManager::UseCount)).toInt(), 21);
    EXPECT_EQ(info.value(key(AppReviewManager::DeclinedToRate)).typeId(), QMetaType::Nullptr) << "nothing stored";

    answer = true;
    promptFromEventLoop();
    EXPECT_EQ(dialogs.asked.size(), 1);

    // Not due: the block is not even asked.
    clearStore();
    seen.clear();
    promptFromEventLoop();
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(dialogs.asked.size(), 1);
}

TEST_F(AppReviewManagerTest, EachWayOfAskingCountsAndConsultsWhatItSays)
{
    using Manager = AppReviewManager;
    const Manager::ShouldPromptBlock yes = [](const QVariantMap &) { return true; };
    const Manager::ShouldPromptBlock no = [](const QVariantMap &) { return false; };
    struct Case
    {
        const char *what;
        bool due; // the conditions are met
        std::function<void(Manager &)> ask;
        int uses, events; // the counts afterwards
        bool asked;
    };
    // Due: 21 uses, six days. Not due: one use, today.
    const Case cases[] = {
        {"incrementAndRate", true, [](Manager &m) { m.incrementAndRate(true); }, 22, 0, true},
        {"incrementAndRate, not allowed", true, [](Manager &m) { m.incrementAndRate(false); }, 22, 0, false},
        {"incrementSignificantEventAndRate", true, [](Manager &m) { m.incrementSignificantEventAndRate(true); }, 21, 1,
         true},
        {"userDidSignificantEvent", false, [](Manager &m) { m.userDidSignificantEvent(true); }, 1, 1, false},
        {"incrementAndRateWithShouldPromptBlock, not due", false,
         [&](Manager &m) { m.incrementAndRateWithShouldPromptBlock(yes); }, 2, 0, true},
        {"incrementSignificantEventWithShouldPromptBlock", true,
         [&](Manager &m) { m.incrementSignificantEventWithShouldPromptBlock(no); }, 21, 1, false},
        {"userDidSignificantEventWithShouldPromptBlock, not due", false,
         [&](Manager &m) { m.userDidSignificantEventWithShouldPromptBlock(yes); }, 1, 1, true},
        {"appLaunched without argument", true, [](Manager &m) { m.appLaunched(); }, 21, 0, false},
        {"appLaunched", true, [](Manager &m) { m.appLaunched(true); }, 21, 0, true},
        {"appEnteredForeground", true, [](Manager &m) { m.appEnteredForeground(true); }, 21, 0, true},
        {"appEnteredForeground, not due", false, [](Manager &m) { m.appEnteredForeground(true); }, 1, 0, false},
        {"appLaunchedWithShouldPromptBlock, not due", false,
         [&](Manager &m) { m.appLaunchedWithShouldPromptBlock(yes); }, 1, 0, true},
        {"appEnteredForegroundWithShouldPromptBlock", true,
         [&](Manager &m) { m.appEnteredForegroundWithShouldPromptBlock(no); }, 21, 0, false},
        {"showPromptWithShouldPromptBlock without a block", true,
         [](Manager &m) { m.showPromptWithShouldPromptBlock({}); }, 21, 0, false},
    };
    for (const Case &c : cases) {
        clearStore();
        if (c.due) {
            makePromptDue();
        } else {
            store(AppReviewManager::CurrentVersion, QStringLiteral("1.0"));
            store(AppReviewManager::FirstUseDate, nowSeconds());
            store(AppReviewManager::UseCount, 1);
        }
        dialogs.asked.clear();
        c.ask(manager);
        QCoreApplication::processEvents();
        EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), c.uses) << c.what;
        EXPECT_EQ(stored(AppReviewManager::SignificantEventCount).toInt(), c.events) << c.what;
        EXPECT_EQ(dialogs.asked.size(), c.asked ? 1 : 0) << c.what;
    }
}

TEST_F(AppReviewManagerTest, ShowPromptAsksAtOnceUnlessAnsweredForThisVersion)
{
    struct Case
    {
        const char *what;
        std::function<void(AppReviewManager &)> state;
        bool asked;
    };
    const Case cases[] = {
        {"never used, nothing answered", [](AppReviewManager &) {}, true},
        {"declined", [](AppReviewManager &m) { m.dontRate(); }, false},
        {"rated", [](AppReviewManager &m) { m.rateApp(); }, false},
        {"rated, debugging", [](AppReviewManager &m) { m.rateApp(), m.setDebugEnabled(true); }, true},
    };
    for (const Case &c : cases) {
        clearStore();
        OpenedUrls opened;
        c.state(manager);
        dialogs.asked.clear();
        manager.showPrompt();
        EXPECT_EQ(dialogs.asked.size(), c.asked ? 1 : 0) << c.what << ": at once, not from the event loop";
        manager.setDebugEnabled(false);
    }
    AppReviewManager anonymous(clock);
    anonymous.setDialogs(&dialogs);
    dialogs.asked.clear();
    anonymous.showPrompt();
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "no application identifier";
}

TEST_F(AppReviewManagerTest, AUseIsCountedOnlyWhenTheApplicationAgrees)
{
    bool count = false;
    manager.setShouldIncrementUseCountBlock([&] { return count; });
    manager.applicationDidFinishLaunching();
    EXPECT_FALSE(stored(AppReviewManager::UseCount).isValid());
    count = true;
    manager.applicationDidFinishLaunching();
    EXPECT_EQ(stored(AppReviewManager::UseCount).toInt(), 1);
    manager.incrementSignificantEventCount();
    EXPECT_EQ(stored(AppReviewManager::SignificantEventCount).toInt(), 1) << "events are not asked about";
}

// A store of its own, as an application may hand over instead of the user defaults.
class MapDefaults : public AppReviewManagerDefaultsObject
{
public:
    QVariant objectForKey(const QString &key) const override { return values.value(key); }
    void setObject(const QVariant &value, const QString &key) override { values.insert(key, value); }
    void removeObjectForKey(const QString &key) override { values.remove(key); }
    void synchronize() override { ++synchronized; }

    QVariantMap values;
    int synchronized = 0;
};

TEST_F(AppReviewManagerTest, TheStoreAndTheKeyNamesCanBeReplaced)
{
    AppReviewManager own(clock);
    own.setAppID(QStringLiteral("7"));
    MapDefaults defaults;
    defaults.values.insert(QStringLiteral("kAppiraterUseCount"), 30);
    own.setUserDefaultsObject(&defaults);
    EXPECT_EQ(&own.userDefaultsObject(), &defaults);
    own.setKey(QStringLiteral("Uses"), AppReviewManager::UseCount);
    own.setKey(QString(), AppReviewManager::FirstUseDate);
    own.setKey(QStringLiteral("Nothing"), 12);
    EXPECT_EQ(own.keyForAppReviewManagerKeyType(AppReviewManager::UseCount), QStringLiteral("7_Uses"));
    EXPECT_EQ(own.keyForAppReviewManagerKeyType(AppReviewManager::FirstUseDate),
              QStringLiteral("7_AppReviewManagerKeyFirstUseDate"));

    own.applicationDidFinishLaunching();
    EXPECT_EQ(defaults.values.value(QStringLiteral("7_Uses")).toInt(), 31) << "moved, then counted";
    EXPECT_FALSE(defaults.values.contains(QStringLiteral("kAppiraterUseCount")));
    EXPECT_GE(defaults.synchronized, 2);
    EXPECT_FALSE(UserDefaults::contains(QStringLiteral("7_Uses"))) << "nothing in the user defaults";
    EXPECT_EQ(own.trackingInfo().value(QStringLiteral("7_Uses")).toInt(), 31);

    // Without a store of its own, the user defaults again.
    own.setUserDefaultsObject(nullptr);
    own.incrementUseCount();
    EXPECT_EQ(UserDefaults::value(QStringLiteral("7_Uses")).toInt(), 1);
    for (const QString &key : own.allKeys())
        UserDefaults::remove(key);
}

TEST_F(AppReviewManagerTest, TextsSetBeforeTheAlertAreShown)
{
    manager.setAppName(QStringLiteral("Stage"));
    manager.setCancelButtonTitle(QStringLiteral("Never"));
    manager.setRemindButtonTitle(QStringLiteral("Later"));
    manager.setDaysBeforeReminding(0);
    manager.showPrompt();
    ASSERT_EQ(dialogs.asked.size(), 1);
    const Dialogs::Alert &alert = dialogs.asked.first();
    EXPECT_EQ(alert.title, QStringLiteral("Rate Stage"));
    EXPECT_EQ(alert.defaultButton, QStringLiteral("Rate Stage"));
    EXPECT_EQ(alert.alternateButton, QStringLiteral("Never"));
    EXPECT_EQ(alert.otherButton, QStringLiteral("Later")) << "a title set is kept, even without reminding";
    // Made on first read and kept: a later name does not change them.
    manager.setAppName(QStringLiteral("Other"));
    EXPECT_EQ(manager.reviewTitle(), QStringLiteral("Rate Stage"));
    manager.setReviewTitle(QStringLiteral("Please"));
    manager.setReviewMessage(QStringLiteral("100% %1 worth it"));
    manager.setRateButtonTitle(QStringLiteral("Yes"));
    manager.showPrompt();
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked.last().title, QStringLiteral("Please"));
    EXPECT_EQ(dialogs.asked.last().informativeText, QStringLiteral("100% %1 worth it"));
    EXPECT_EQ(dialogs.asked.last().defaultButton, QStringLiteral("Yes"));
}

} // namespace
