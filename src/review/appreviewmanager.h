// Counts how much the application is used and, once it has been used long enough, asks the user to rate it.
#pragma once

#include "dialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Clock;

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

    // Stored keys.
    // The full key of a type; empty for a number that is no KeyType.
    QString keyForAppReviewManagerKeyType(int type);
    // The twelve full keys in type order.
    QStringList allKeys();
    // The full key that a key of the older rating component moves to; empty for any other name.
    QString appReviewManagerKeyForAppiraterKey(const QString &oldKey);

    // Counting. Each runs at once on the calling thread, so a count is stored before anything reads it.
    // The platform's "launching has finished"; the application calls it, before the launch-time check.
    void applicationDidFinishLaunching();
    // Counts one significant event, then asks when the prompt is due and `canPromptForRating`.
    void userDidSignificantEvent(bool canPromptForRating);
    void incrementUseCount();
    void incrementSignificantEventCount();
    // Moves the older component's counters to our keys, once for all.
    void migrateAppiraterKeysIfNecessary();

    // Conditions.
    bool ratingConditionsHaveBeenMet();
    bool userHasDeclinedToRate();
    bool userHasRatedCurrentVersion();
    // When `canPromptForRating` and the conditions are met, the alert is shown from the event loop.
    void showPromptIfNecessary(bool canPromptForRating = true);

    // The alert.
    QString appName() const;
    QString reviewTitle() const;
    QString reviewMessage() const;
    QString cancelButtonTitle() const;
    QString rateButtonTitle() const;
    // Empty while daysBeforeReminding() is 0.
    QString remindButtonTitle() const;
    bool showsRemindButton() const { return !remindButtonTitle().isEmpty(); }
    void showRatingAlert();
    // Default: rate; alternate: no thanks; other: remind me later; anything else stores nothing.
    void handleNSAlertReturnCode(Dialogs::Answer answer);
    // The rated flags are stored before the store link is opened, so a failed opening still counts as rated.
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
    void startNewVersion(const QString &trackedVersion, const QString &currentVersion);
    double now() const;
    void debugLog(const QString &message) const;

    Clock &m_clock;
    Dialogs *m_dialogs = nullptr;
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
