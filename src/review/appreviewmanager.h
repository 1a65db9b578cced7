// Counts how much the application is used and, once it has been used long enough, asks the user to rate it.
#pragma once

#include "dialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <array>
#include <functional>
#include <optional>

class Clock;

// Where the counters are kept: the user defaults unless the application hands over a store of its own.
class AppReviewManagerDefaultsObject
{
public:
    virtual ~AppReviewManagerDefaultsObject() = default;
    // An invalid value when nothing is stored under the key.
    virtual QVariant objectForKey(const QString &key) const = 0;
    virtual void setObject(const QVariant &value, const QString &key) = 0;
    virtual void removeObjectForKey(const QString &key) = 0;
    virtual void synchronize() = 0;
};

// The counters live in the user defaults, one set per application version, under keys that start with
// the application identifier. A use is counted at each finished launch and each activation; the prompt
// is due once enough days, uses and significant events have passed since the first use of this version,
// the user has neither rated this version nor declined, and no reminder is pending.
class AppReviewManager : public QObject
{
    Q_OBJECT

public:
    // What is stored, one key each. The numbers are part of the interface: keys are asked for by number.
    enum KeyType {
        FirstUseDate = 0,                  // seconds since 1970 (floating point) of the first use of this version
        UseCount = 1,                      // integer
        SignificantEventCount = 2,         // integer
        CurrentVersion = 3,                // the tracked version (text)
        RatedCurrentVersion = 4,           // flag
        DeclinedToRate = 5,                // flag
        ReminderRequestDate = 6,           // seconds since 1970 (floating point), 0 when none
        PreviousVersion = 7,               // text
        PreviousVersionRated = 8,          // copy of RatedCurrentVersion of the previous version
        PreviousVersionDeclinedToRate = 9, // copy of DeclinedToRate of the previous version
        RatedAnyVersion = 10,              // flag
        AppiraterMigrationCompleted = 11,  // flag; the only key without the prefix
    };

    // Answers whether to ask now, given trackingInfo(); runs on the main thread.
    using ShouldPromptBlock = std::function<bool(const QVariantMap &trackingInfo)>;
    using ShouldIncrementUseCountBlock = std::function<bool()>;
    using Callback = std::function<void()>;

    // Listens to the application's activation from now on. Times are read from `clock`.
    explicit AppReviewManager(Clock &clock, QObject *parent = nullptr);
    ~AppReviewManager() override;

    // The single instance the application uses, made on first use, with the computer's clock.
    static AppReviewManager &defaultManager();

    // Who asks the user; without dialogs nothing is ever shown. The caller keeps ownership.
    void setDialogs(Dialogs *dialogs);

    // Settings.
    QString appID() const { return m_appID; }
    // Ignores an empty identifier. While the campaign code is still the default one, the identifier
    // is appended to it, so every application gets a campaign code of its own.
    void setAppID(const QString &appID);
    uint daysUntilPrompt() const { return m_daysUntilPrompt; }
    void setDaysUntilPrompt(uint days) { m_daysUntilPrompt = days; }
    uint usesUntilPrompt() const { return m_usesUntilPrompt; }
    void setUsesUntilPrompt(uint uses) { m_usesUntilPrompt = uses; }
    uint significantEventsUntilPrompt() const { return m_significantEventsUntilPrompt; }
    void setSignificantEventsUntilPrompt(uint events) { m_significantEventsUntilPrompt = events; }
    // 0 leaves the "Remind me later" answer out.
    uint daysBeforeReminding() const { return m_daysBeforeReminding; }
    void setDaysBeforeReminding(uint days) { m_daysBeforeReminding = days; }
    // On: a new version starts the counting over. Off: a new version counts nothing.
    bool tracksNewVersions() const { return m_tracksNewVersions; }
    void setTracksNewVersions(bool on) { m_tracksNewVersions = on; }
    // Off: a user who rated any earlier version is never asked again.
    bool shouldPromptIfRated() const { return m_shouldPromptIfRated; }
    void setShouldPromptIfRated(bool on) { m_shouldPromptIfRated = on; }
    // On: every count is logged and the prompt is always due.
    bool debugEnabled() const { return m_debugEnabled; }
    void setDebugEnabled(bool on) { m_debugEnabled = on; }
    QString affiliateCode() const { return m_affiliateCode; }
    void setAffiliateCode(const QString &code);
    QString affiliateCampaignCode() const { return m_affiliateCampaignCode; }
    void setAffiliateCampaignCode(const QString &code);
    // Becomes the application identifier and "_" when first read; fixed from then on.
    QString keyPrefix();
    void setKeyPrefix(const QString &prefix) { m_keyPrefix = prefix; }
    // The store of the counters; the user defaults until another is set. The caller keeps ownership of the one
    // it sets; nullptr goes back to the user defaults.
    AppReviewManagerDefaultsObject &userDefaultsObject() const { return *m_defaults; }
    void setUserDefaultsObject(AppReviewManagerDefaultsObject *defaults);

    // Callbacks, each optional: the alert was shown; the user answered no thanks, rate, or remind me later.
    void setOnDidDisplayAlert(Callback callback) { m_didDisplayAlert = std::move(callback); }
    void setOnDeclineToRate(Callback callback) { m_didDeclineToRate = std::move(callback); }
    void setOnDidOptToRate(Callback callback) { m_didOptToRate = std::move(callback); }
    void setOnDidOptToRemindLater(Callback callback) { m_didOptToRemindLater = std::move(callback); }
    // Asked before a due prompt is shown; answering false keeps it back.
    void setShouldPromptBlock(ShouldPromptBlock block) { m_shouldPrompt = std::move(block); }
    // Asked before a use is counted; answering false leaves it uncounted.
    void setShouldIncrementUseCountBlock(ShouldIncrementUseCountBlock block)
    {
        m_shouldIncrementUseCount = std::move(block);
    }

    // Stored keys.
    // The full key of a type; empty for a number that is no KeyType.
    QString keyForAppReviewManagerKeyType(int type);
    // Replaces the base name of a type's key ("AppReviewManagerKeyUseCount" …); a number that is no KeyType
    // or an empty name changes nothing.
    void setKey(const QString &baseName, int type);
    // The twelve full keys in type order.
    QStringList allKeys();
    // The full key that a key of the older rating component moves to; empty for any other name.
    QString appReviewManagerKeyForAppiraterKey(const QString &oldKey);
    // Each full key with its stored value; a null value where nothing is stored.
    QVariantMap trackingInfo();

    // Counting. Each runs at once on the calling thread, so a count is stored before anything reads it.
    // The platform's "launching has finished"; the application calls it, before the launch-time check.
    void applicationDidFinishLaunching();
    // Counts one significant event, then asks when the prompt is due and `canPromptForRating`.
    void userDidSignificantEvent(bool canPromptForRating);
    // Counts one significant event, then asks when the block answers yes, whatever the conditions.
    void userDidSignificantEventWithShouldPromptBlock(const ShouldPromptBlock &block);
    // Each moves the older keys, counts a use (respectively an event), then asks as showPromptIfNecessary()
    // (respectively showPromptWithShouldPromptBlock()) does.
    void incrementAndRate(bool canPromptForRating);
    void incrementAndRateWithShouldPromptBlock(const ShouldPromptBlock &block);
    void incrementSignificantEventAndRate(bool canPromptForRating);
    void incrementSignificantEventWithShouldPromptBlock(const ShouldPromptBlock &block);
    // Only ask, as showPromptIfNecessary() respectively showPromptWithShouldPromptBlock(); they count nothing.
    void appLaunched(bool canPromptForRating = false);
    void appEnteredForeground(bool canPromptForRating);
    void appLaunchedWithShouldPromptBlock(const ShouldPromptBlock &block);
    void appEnteredForegroundWithShouldPromptBlock(const ShouldPromptBlock &block);
    // Counts a use unless the should-increment block answers no.
    void incrementUseCount();
    void incrementSignificantEventCount();
    // Moves the older component's counters to our keys, once for all.
    void migrateAppiraterKeysIfNecessary();

    // Conditions.
    bool ratingConditionsHaveBeenMet();
    bool userHasDeclinedToRate();
    bool userHasRatedCurrentVersion();
    // When `canPromptForRating`, the conditions are met and the should-prompt block (if any) agrees, the alert
    // is shown from the event loop.
    void showPromptIfNecessary(bool canPromptForRating = true);
    // The alert from the event loop when the block answers yes; the conditions are not consulted.
    void showPromptWithShouldPromptBlock(const ShouldPromptBlock &block);
    // The alert at once, unless the user declined or rated this version or there is no application identifier
    // (all of which debugging overrides).
    void showPrompt();
    // The store is reached through the system's link handler, which needs no check here.
    bool connectedToNetwork() const { return true; }

    // The alert's texts: each is made on first read and kept, unless set before.
    QString appName() const;
    QString reviewTitle() const;
    QString reviewMessage() const;
    QString cancelButtonTitle() const;
    QString rateButtonTitle() const;
    // Empty (and not kept) while daysBeforeReminding() is 0.
    QString remindButtonTitle() const;
    void setAppName(const QString &text) { m_appName = text; }
    void setReviewTitle(const QString &text) { m_reviewTitle = text; }
    void setReviewMessage(const QString &text) { m_reviewMessage = text; }
    void setCancelButtonTitle(const QString &text) { m_cancelButtonTitle = text; }
    void setRateButtonTitle(const QString &text) { m_rateButtonTitle = text; }
    void setRemindButtonTitle(const QString &text) { m_remindButtonTitle = text; }
    bool showsRemindButton() const { return !remindButtonTitle().isEmpty(); }
    void showRatingAlert();
    // Default: rate; alternate: no thanks; other: remind me later (each with its callback); anything else
    // stores nothing.
    void handleNSAlertReturnCode(Dialogs::Answer answer);
    // The rated flags are stored before the store link is opened, so a failed opening still counts as rated.
    // Its callback belongs to the alert's answer, not to this.
    void rateApp();
    void dontRate();
    void remindMeLater();
    // Takes the alert away without an answer, so the prompt stays due.
    void hideRatingAlert();
    // The store's page of the application, made from the link template.
    QString reviewURLString() const;

private:
    void setupNotifications();
    void applicationStateChanged(Qt::ApplicationState state);
    void applicationWillEnterForeground();
    void appWillResignActive();
    void incrementCountForKey(const QString &key);
    // Asks the block, on the main thread, whether to show the alert; then queues it.
    void promptWhen(const ShouldPromptBlock &block);
    void queueRatingAlert();
    double storedNumber(const QString &key) const;
    qint64 storedInteger(const QString &key) const;
    bool storedFlag(const QString &key) const;
    std::optional<QString> storedText(const QString &key) const;
    void store(KeyType type, const QVariant &value);
    void startNewVersion(const QString &trackedVersion, const QString &currentVersion);
    double now() const;
    void debugLog(const QString &message) const;

    Clock &m_clock;
    Dialogs *m_dialogs = nullptr;
    AppReviewManagerDefaultsObject *m_defaults = nullptr;
    std::array<QString, 12> m_baseKeyNames;
    Callback m_didDisplayAlert;
    Callback m_didDeclineToRate;
    Callback m_didOptToRate;
    Callback m_didOptToRemindLater;
    ShouldPromptBlock m_shouldPrompt;
    ShouldIncrementUseCountBlock m_shouldIncrementUseCount;
    mutable std::optional<QString> m_appName;
    mutable std::optional<QString> m_reviewTitle;
    mutable std::optional<QString> m_reviewMessage;
    mutable std::optional<QString> m_cancelButtonTitle;
    mutable std::optional<QString> m_rateButtonTitle;
    mutable std::optional<QString> m_remindButtonTitle;
    Qt::ApplicationState m_applicationState = Qt::ApplicationInactive;
    bool m_ratingAlertShown = false;

    QString m_appID;
    uint m_daysUntilPrompt = 6;
    uint m_usesUntilPrompt = 20;
    uint m_significantEventsUntilPrompt = 0;
    uint m_daysBeforeReminding = 2;
    bool m_tracksNewVersions = true;
    bool m_shouldPromptIfRated = true;
    bool m_debugEnabled = false;
    QString m_affiliateCode;
    QString m_affiliateCampaignCode;
    std::optional<QString> m_keyPrefix;
};
