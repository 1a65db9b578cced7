#include "appreviewmanager.h"

#include "clock.h"
#include "log.h"
#include "urlopener.h"
#include "userdefaults.h"

#include <QGuiApplication>
#include <QUrl>

#include <array>

namespace {

constexpr double secondsPerDay = 86400.0;
const QString defaultAffiliateCode = QStringLiteral("p7c2wq");
const QString defaultCampaignCode = QStringLiteral("AppReviewManager");

// The store application takes this link; the placeholders are filled in order.
const QString reviewURLTemplate = QStringLiteral(
    "macappstore://store.vellorin.app/app/thumbs/idAPP_ID?ls=1&mt=12&at=AFFILIATE_CODE&ct=AFFILIATE_CAMPAIGN_CODE");

// Base names of the stored keys, indexed by AppReviewManager::KeyType.
const std::array<QString, 12> baseKeyNames = {
    QStringLiteral("AppReviewManagerKeyFirstUseDate"),
    QStringLiteral("AppReviewManagerKeyUseCount"),
    QStringLiteral("AppReviewManagerKeySignificantEventCount"),
    QStringLiteral("AppReviewManagerKeyCurrentVersion"),
    QStringLiteral("AppReviewManagerKeyRatedCurrentVersion"),
    QStringLiteral("AppReviewManagerKeyDeclinedToRate"),
    QStringLiteral("AppReviewManagerKeyReminderRequestDate"),
    QStringLiteral("AppReviewManagerKeyPreviousVersion"),
    QStringLiteral("AppReviewManagerKeyPreviousVersionRated"),
    QStringLiteral("AppReviewManagerKeyPreviousVersionDeclinedToRate"),
    QStringLiteral("AppReviewManagerKeyRatedAnyVersion"),
    QStringLiteral("AppReviewManagerKeyAppiraterMigrationCompleted"),
};

struct OldKey
{
    const char *name;
    AppReviewManager::KeyType type;
};

// The older rating component's keys, in the order they are moved.
constexpr OldKey oldKeys[] = {
    {"kAppiraterFirstUseDate", AppReviewManager::FirstUseDate},
    {"kAppiraterUseCount", AppReviewManager::UseCount},
    {"kAppiraterSignificantEventCount", AppReviewManager::SignificantEventCount},
    {"kAppiraterCurrentVersion", AppReviewManager::CurrentVersion},
    {"kAppiraterRatedCurrentVersion", AppReviewManager::RatedCurrentVersion},
    {"kAppiraterRatedAnyVersion", AppReviewManager::RatedAnyVersion},
    {"kAppiraterDeclinedToRate", AppReviewManager::DeclinedToRate},
    {"kAppiraterReminderRequestDate", AppReviewManager::ReminderRequestDate},
};

// Stored values come back typed within a run and as text after a restart; a value of the
// wrong type reads as 0 or false.
double storedNumber(const QString &key)
{
    bool ok = false;
    const double number = UserDefaults::value(key).toDouble(&ok);
    return ok ? number : 0.0;
}

qint64 storedInteger(const QString &key)
{
    bool ok = false;
    const qint64 number = UserDefaults::value(key).toLongLong(&ok);
    return ok ? number : 0;
}

bool storedFlag(const QString &key)
{
    const QVariant value = UserDefaults::value(key);
    if (value.typeId() == QMetaType::QString && value.toString() == QLatin1String("true"))
        return true;
    return storedNumber(key) != 0.0;
}

std::optional<QString> storedText(const QString &key)
{
    const QVariant value = UserDefaults::value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

} // namespace

AppReviewManager::AppReviewManager(Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_affiliateCode(defaultAffiliateCode)
    , m_affiliateCampaignCode(defaultCampaignCode)
{
    setupNotifications();
}

AppReviewManager::~AppReviewManager() = default;

AppReviewManager &AppReviewManager::defaultManager()
{
    static AppReviewManager manager(Clock::system());
    return manager;
}

void AppReviewManager::setDialogs(Dialogs *dialogs)
{
    m_dialogs = dialogs;
}

void AppReviewManager::setAppID(const QString &appID)
{
    if (appID.isEmpty())
        return;
    m_appID = appID;
    if (m_affiliateCampaignCode == defaultCampaignCode)
        m_affiliateCampaignCode = defaultCampaignCode + QLatin1Char('-') + appID;
}

void AppReviewManager::setAffiliateCode(const QString &code)
{
    if (!code.isEmpty())
        m_affiliateCode = code;
}

void AppReviewManager::setAffiliateCampaignCode(const QString &code)
{
    if (!code.isEmpty())
        m_affiliateCampaignCode = code;
}

QString AppReviewManager::keyPrefix()
{
    if (!m_keyPrefix)
        m_keyPrefix = m_appID.isEmpty() ? QString() : m_appID + QLatin1Char('_');
    return *m_keyPrefix;
}

QString AppReviewManager::keyForAppReviewManagerKeyType(int type)
{
    if (type < FirstUseDate || type > AppiraterMigrationCompleted)
        return {};
    if (type == AppiraterMigrationCompleted)
        return baseKeyNames[type];
    return keyPrefix() + baseKeyNames[type];
}

QStringList AppReviewManager::allKeys()
{
    QStringList keys;
    for (int type = FirstUseDate; type <= AppiraterMigrationCompleted; ++type)
        keys.append(keyForAppReviewManagerKeyType(type));
    return keys;
}

QString AppReviewManager::appReviewManagerKeyForAppiraterKey(const QString &oldKey)
{
    for (const OldKey &old : oldKeys) {
        if (oldKey == QLatin1String(old.name))
            return keyForAppReviewManagerKeyType(old.type);
    }
    return {};
}

void AppReviewManager::setupNotifications()
{
    auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!application)
        return;
    m_applicationState = QGuiApplication::applicationState();
    connect(application, &QGuiApplication::applicationStateChanged, this, &AppReviewManager::applicationStateChanged);
}

void AppReviewManager::applicationStateChanged(Qt::ApplicationState state)
{
    const bool wasActive = m_applicationState == Qt::ApplicationActive;
    m_applicationState = state;
    if (state == Qt::ApplicationActive && !wasActive)
        applicationWillEnterForeground();
    else if (state != Qt::ApplicationActive && wasActive)
        appWillResignActive();
}

void AppReviewManager::applicationDidFinishLaunching()
{
    debugLog(QStringLiteral("applicationDidFinishLaunching:"));
    migrateAppiraterKeysIfNecessary();
    incrementUseCount();
}

void AppReviewManager::applicationWillEnterForeground()
{
    debugLog(QStringLiteral("applicationWillEnterForeground:"));
    migrateAppiraterKeysIfNecessary();
    incrementUseCount();
}

void AppReviewManager::appWillResignActive()
{
    debugLog(QStringLiteral("appWillResignActive:"));
    hideRatingAlert();
}

void AppReviewManager::userDidSignificantEvent(bool canPromptForRating)
{
    migrateAppiraterKeysIfNecessary();
    incrementSignificantEventCount();
    showPromptIfNecessary(canPromptForRating);
}

void AppReviewManager::incrementUseCount()
{
    incrementCountForKey(keyForAppReviewManagerKeyType(UseCount));
}

void AppReviewManager::incrementSignificantEventCount()
{
    incrementCountForKey(keyForAppReviewManagerKeyType(SignificantEventCount));
}

void AppReviewManager::incrementCountForKey(const QString &key)
{
    const QString currentVersion = QCoreApplication::applicationVersion();
    const QString versionKey = keyForAppReviewManagerKeyType(CurrentVersion);
    std::optional<QString> trackedVersion = storedText(versionKey);
    if (!trackedVersion) {
        UserDefaults::setValue(versionKey, currentVersion);
        trackedVersion = currentVersion;
    }
    debugLog(QStringLiteral("Tracking version: %1").arg(*trackedVersion));

    if (*trackedVersion == currentVersion) {
        const QString firstUseKey = keyForAppReviewManagerKeyType(FirstUseDate);
        if (storedNumber(firstUseKey) == 0.0)
            UserDefaults::setValue(firstUseKey, now());
        const qint64 count = storedInteger(key) + 1;
        UserDefaults::setValue(key, count);
        debugLog(QStringLiteral("%1 count: %2").arg(key).arg(count));
    } else if (m_tracksNewVersions) {
        startNewVersion(*trackedVersion, currentVersion);
    }
    UserDefaults::synchronize();
}

// A new version counts from scratch, whichever counter was asked for; the answers given to the
// previous version are kept beside it.
void AppReviewManager::startNewVersion(const QString &trackedVersion, const QString &currentVersion)
{
    UserDefaults::setValue(keyForAppReviewManagerKeyType(PreviousVersion), trackedVersion);
    UserDefaults::setValue(keyForAppReviewManagerKeyType(PreviousVersionRated), userHasRatedCurrentVersion());
    UserDefaults::setValue(keyForAppReviewManagerKeyType(PreviousVersionDeclinedToRate), userHasDeclinedToRate());
    UserDefaults::setValue(keyForAppReviewManagerKeyType(CurrentVersion), currentVersion);
    UserDefaults::setValue(keyForAppReviewManagerKeyType(FirstUseDate), now());
    UserDefaults::setValue(keyForAppReviewManagerKeyType(UseCount), qint64(1));
    UserDefaults::setValue(keyForAppReviewManagerKeyType(SignificantEventCount), qint64(0));
    UserDefaults::setValue(keyForAppReviewManagerKeyType(RatedCurrentVersion), false);
    UserDefaults::setValue(keyForAppReviewManagerKeyType(DeclinedToRate), false);
    UserDefaults::setValue(keyForAppReviewManagerKeyType(ReminderRequestDate), 0.0);
}

void AppReviewManager::migrateAppiraterKeysIfNecessary()
{
    const QString doneKey = keyForAppReviewManagerKeyType(AppiraterMigrationCompleted);
    if (storedFlag(doneKey))
        return;
    for (const OldKey &old : oldKeys) {
        const QString oldKey = QLatin1String(old.name);
        if (!UserDefaults::contains(oldKey))
            continue;
        UserDefaults::setValue(keyForAppReviewManagerKeyType(old.type), UserDefaults::value(oldKey));
        UserDefaults::remove(oldKey);
    }
    UserDefaults::setValue(doneKey, true);
    UserDefaults::synchronize();
}

bool AppReviewManager::ratingConditionsHaveBeenMet()
{
    if (m_debugEnabled)
        return true;
    if (m_appID.isEmpty())
        return false;
    const double currentTime = now();
    if (currentTime - storedNumber(keyForAppReviewManagerKeyType(FirstUseDate)) < m_daysUntilPrompt * secondsPerDay)
        return false;
    if (quint64(storedInteger(keyForAppReviewManagerKeyType(UseCount))) <= m_usesUntilPrompt)
        return false;
    if (quint64(storedInteger(keyForAppReviewManagerKeyType(SignificantEventCount))) < m_significantEventsUntilPrompt)
        return false;
    if (userHasDeclinedToRate() || userHasRatedCurrentVersion())
        return false;
    const double reminderDate = storedNumber(keyForAppReviewManagerKeyType(ReminderRequestDate));
    if (currentTime - reminderDate < m_daysBeforeReminding * secondsPerDay)
        return false;
    return m_shouldPromptIfRated || !storedFlag(keyForAppReviewManagerKeyType(RatedAnyVersion));
}

bool AppReviewManager::userHasDeclinedToRate()
{
    return storedFlag(keyForAppReviewManagerKeyType(DeclinedToRate));
}

bool AppReviewManager::userHasRatedCurrentVersion()
{
    return storedFlag(keyForAppReviewManagerKeyType(RatedCurrentVersion));
}

void AppReviewManager::showPromptIfNecessary(bool canPromptForRating)
{
    if (!canPromptForRating || !ratingConditionsHaveBeenMet())
        return;
    // From the event loop, so that whatever is launching finishes first.
    QMetaObject::invokeMethod(this, &AppReviewManager::showRatingAlert, Qt::QueuedConnection);
}

QString AppReviewManager::appName() const
{
    return QGuiApplication::applicationDisplayName();
}

QString AppReviewManager::reviewTitle() const
{
    return tr("Rate %1").arg(appName());
}

QString AppReviewManager::reviewMessage() const
{
    return tr("If you enjoy using %1, would you mind taking a moment to rate it? It won't take more than a minute. "
              "Thanks for your support!")
        .arg(appName());
}

QString AppReviewManager::cancelButtonTitle() const
{
    return tr("No, Thanks");
}

QString AppReviewManager::rateButtonTitle() const
{
    return tr("Rate %1").arg(appName());
}

QString AppReviewManager::remindButtonTitle() const
{
    return m_daysBeforeReminding == 0 ? QString() : tr("Remind me later");
}

void AppReviewManager::showRatingAlert()
{
    if (!m_dialogs) {
        Log::write(QStringLiteral("%1:%2: no dialogs to ask with; the review prompt is skipped")
                       .arg(QLatin1String(__FILE__))
                       .arg(__LINE__));
        return;
    }
    // One alert at a time: hiding and answering refer to the alert being shown.
    if (m_ratingAlertShown)
        return;
    const Dialogs::Alert alert{reviewTitle(), reviewMessage(), rateButtonTitle(), cancelButtonTitle(),
                               remindButtonTitle()};
    m_ratingAlertShown = true;
    const Dialogs::Answer answer = m_dialogs->runAlert(alert);
    m_ratingAlertShown = false;
    handleNSAlertReturnCode(answer);
}

void AppReviewManager::handleNSAlertReturnCode(Dialogs::Answer answer)
{
    switch (answer) {
    case Dialogs::Answer::Default:
        rateApp();
        break;
    case Dialogs::Answer::Alternate:
        dontRate();
        break;
    case Dialogs::Answer::Other:
        remindMeLater();
        break;
    case Dialogs::Answer::Closed:
        break;
    }
}

void AppReviewManager::rateApp()
{
    UserDefaults::setValue(keyForAppReviewManagerKeyType(RatedCurrentVersion), true);
    UserDefaults::setValue(keyForAppReviewManagerKeyType(RatedAnyVersion), true);
    UserDefaults::synchronize();
    UrlOpener::open(QUrl(reviewURLString()));
}

void AppReviewManager::dontRate()
{
    UserDefaults::setValue(keyForAppReviewManagerKeyType(DeclinedToRate), true);
    UserDefaults::synchronize();
}

void AppReviewManager::remindMeLater()
{
    UserDefaults::setValue(keyForAppReviewManagerKeyType(ReminderRequestDate), now());
    UserDefaults::synchronize();
}

void AppReviewManager::hideRatingAlert()
{
    if (!m_ratingAlertShown)
        return;
    debugLog(QStringLiteral("Hiding Alert"));
    m_ratingAlertShown = false;
    m_dialogs->closeAlert();
}

QString AppReviewManager::reviewURLString() const
{
    QString link = reviewURLTemplate;
    link.replace(QLatin1String("APP_ID"), m_appID);
    link.replace(QLatin1String("AFFILIATE_CODE"), m_affiliateCode);
    link.replace(QLatin1String("AFFILIATE_CAMPAIGN_CODE"), m_affiliateCampaignCode);
    return link;
}

// Seconds since 1970, as the dates are stored.
double AppReviewManager::now() const
{
    return m_clock.now().toMSecsSinceEpoch() / 1000.0;
}

void AppReviewManager::debugLog(const QString &message) const
{
    if (m_debugEnabled)
        Log::write(QStringLiteral("[AppReviewManager] %1").arg(message));
}
