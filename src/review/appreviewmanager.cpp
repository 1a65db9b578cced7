#include "appreviewmanager.h"

#include "clock.h"
#include "log.h"
#include "urlopener.h"
#include "userdefaults.h"

#include <QGuiApplication>
#include <QThread>
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

// The counters in the user defaults, where the application keeps them.
class StandardUserDefaults : public AppReviewManagerDefaultsObject
{
public:
    QVariant objectForKey(const QString &key) const override { return UserDefaults::value(key); }
    void setObject(const QVariant &value, const QString &key) override { UserDefaults::setValue(key, value); }
    void removeObjectForKey(const QString &key) override { UserDefaults::remove(key); }
    void synchronize() override { UserDefaults::synchronize(); }
};

StandardUserDefaults standardUserDefaults;

} // namespace

AppReviewManager::AppReviewManager(Clock &clock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_defaults(&standardUserDefaults)
    , m_baseKeyNames(baseKeyNames)
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

void AppReviewManager::setUserDefaultsObject(AppReviewManagerDefaultsObject *defaults)
{
    m_defaults = defaults ? defaults : &standardUserDefaults;
}

// Stored values come back typed within a run and as text after a restart; a value of the
// wrong type reads as 0 or false.
double AppReviewManager::storedNumber(const QString &key) const
{
    bool ok = false;
    const double number = m_defaults->objectForKey(key).toDouble(&ok);
    return ok ? number : 0.0;
}

qint64 AppReviewManager::storedInteger(const QString &key) const
{
    bool ok = false;
    const qint64 number = m_defaults->objectForKey(key).toLongLong(&ok);
    return ok ? number : 0;
}

bool AppReviewManager::storedFlag(const QString &key) const
{
    const QVariant value = m_defaults->objectForKey(key);
    if (value.typeId() == QMetaType::QString && value.toString() == QLatin1String("true"))
        return true;
    return storedNumber(key) != 0.0;
}

std::optional<QString> AppReviewManager::storedText(const QString &key) const
{
    const QVariant value = m_defaults->objectForKey(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

void AppReviewManager::store(KeyType type, const QVariant &value)
{
    m_defaults->setObject(value, keyForAppReviewManagerKeyType(type));
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
        return m_baseKeyNames[type];
    return keyPrefix() + m_baseKeyNames[type];
}

void AppReviewManager::setKey(const QString &baseName, int type)
{
    if (type >= FirstUseDate && type <= AppiraterMigrationCompleted && !baseName.isEmpty())
        m_baseKeyNames[type] = baseName;
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

QVariantMap AppReviewManager::trackingInfo()
{
    QVariantMap info;
    for (const QString &key : allKeys()) {
        const QVariant value = m_defaults->objectForKey(key);
        info.insert(key, value.isValid() ? value : QVariant::fromValue(nullptr));
    }
    return info;
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
    incrementSignificantEventAndRate(canPromptForRating);
}

void AppReviewManager::userDidSignificantEventWithShouldPromptBlock(const ShouldPromptBlock &block)
{
    incrementSignificantEventWithShouldPromptBlock(block);
}

void AppReviewManager::incrementAndRate(bool canPromptForRating)
{
    migrateAppiraterKeysIfNecessary();
    incrementUseCount();
    showPromptIfNecessary(canPromptForRating);
}

void AppReviewManager::incrementAndRateWithShouldPromptBlock(const ShouldPromptBlock &block)
{
    migrateAppiraterKeysIfNecessary();
    incrementUseCount();
    showPromptWithShouldPromptBlock(block);
}

void AppReviewManager::incrementSignificantEventAndRate(bool canPromptForRating)
{
    migrateAppiraterKeysIfNecessary();
    incrementSignificantEventCount();
    showPromptIfNecessary(canPromptForRating);
}

void AppReviewManager::incrementSignificantEventWithShouldPromptBlock(const ShouldPromptBlock &block)
{
    migrateAppiraterKeysIfNecessary();
    incrementSignificantEventCount();
    showPromptWithShouldPromptBlock(block);
}

void AppReviewManager::appLaunched(bool canPromptForRating)
{
    showPromptIfNecessary(canPromptForRating);
}

void AppReviewManager::appEnteredForeground(bool canPromptForRating)
{
    showPromptIfNecessary(canPromptForRating);
}

void AppReviewManager::appLaunchedWithShouldPromptBlock(const ShouldPromptBlock &block)
{
    showPromptWithShouldPromptBlock(block);
}

void AppReviewManager::appEnteredForegroundWithShouldPromptBlock(const ShouldPromptBlock &block)
{
    showPromptWithShouldPromptBlock(block);
}

void AppReviewManager::incrementUseCount()
{
    if (m_shouldIncrementUseCount && !m_shouldIncrementUseCount())
        return;
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
        m_defaults->setObject(currentVersion, versionKey);
        trackedVersion = currentVersion;
    }
    debugLog(QStringLiteral("Tracking version: %1").arg(*trackedVersion));

    if (*trackedVersion == currentVersion) {
        const QString firstUseKey = keyForAppReviewManagerKeyType(FirstUseDate);
        if (storedNumber(firstUseKey) == 0.0)
            m_defaults->setObject(now(), firstUseKey);
        const qint64 count = storedInteger(key) + 1;
        m_defaults->setObject(count, key);
        debugLog(QStringLiteral("%1 count: %2").arg(key).arg(count));
    } else if (m_tracksNewVersions) {
        startNewVersion(*trackedVersion, currentVersion);
    }
    m_defaults->synchronize();
}

// A new version counts from scratch, whichever counter was asked for; the answers given to the
// previous version are kept beside it.
void AppReviewManager::startNewVersion(const QString &trackedVersion, const QString &currentVersion)
{
    store(PreviousVersion, trackedVersion);
    store(PreviousVersionRated, userHasRatedCurrentVersion());
    store(PreviousVersionDeclinedToRate, userHasDeclinedToRate());
    store(CurrentVersion, currentVersion);
    store(FirstUseDate, now());
    store(UseCount, qint64(1));
    store(SignificantEventCount, qint64(0));
    store(RatedCurrentVersion, false);
    store(DeclinedToRate, false);
    store(ReminderRequestDate, 0.0);
}

void AppReviewManager::migrateAppiraterKeysIfNecessary()
{
    const QString doneKey = keyForAppReviewManagerKeyType(AppiraterMigrationCompleted);
    if (storedFlag(doneKey))
        return;
    for (const OldKey &old : oldKeys) {
        const QString oldKey = QLatin1String(old.name);
        const QVariant value = m_defaults->objectForKey(oldKey);
        if (!value.isValid())
            continue;
        store(old.type, value);
        m_defaults->removeObjectForKey(oldKey);
    }
    store(AppiraterMigrationCompleted, true);
    m_defaults->synchronize();
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
    if (!canPromptForRating || !ratingConditionsHaveBeenMet() || !connectedToNetwork())
        return;
    if (m_shouldPrompt)
        promptWhen(m_shouldPrompt);
    else
        queueRatingAlert();
}

void AppReviewManager::showPromptWithShouldPromptBlock(const ShouldPromptBlock &block)
{
    if (block)
        promptWhen(block);
}

void AppReviewManager::promptWhen(const ShouldPromptBlock &block)
{
    const auto ask = [this, &block] { return block(trackingInfo()); };
    bool due = false;
    if (QThread::currentThread() == thread())
        due = ask();
    else
        QMetaObject::invokeMethod(this, ask, Qt::BlockingQueuedConnection, &due);
    if (due)
        queueRatingAlert();
}

void AppReviewManager::queueRatingAlert()
{
    // From the event loop, so that whatever is launching finishes first.
    QMetaObject::invokeMethod(this, &AppReviewManager::showRatingAlert, Qt::QueuedConnection);
}

void AppReviewManager::showPrompt()
{
    const bool mayAsk =
        !m_appID.isEmpty() && connectedToNetwork() && !userHasDeclinedToRate() && !userHasRatedCurrentVersion();
    if (mayAsk || m_debugEnabled)
        showRatingAlert();
}

QString AppReviewManager::appName() const
{
    if (!m_appName)
        m_appName = QGuiApplication::applicationDisplayName();
    return *m_appName;
}

QString AppReviewManager::reviewTitle() const
{
    if (!m_reviewTitle)
        m_reviewTitle = tr("Rate %1").arg(appName());
    return *m_reviewTitle;
}

QString AppReviewManager::reviewMessage() const
{
    if (!m_reviewMessage)
        m_reviewMessage = tr("If you enjoy using %1, would you mind taking a moment to rate it? It won't take more "
                             "than a minute. Thanks for your support!")
                              .arg(appName());
    return *m_reviewMessage;
}

QString AppReviewManager::cancelButtonTitle() const
{
    if (!m_cancelButtonTitle)
        m_cancelButtonTitle = tr("No, Thanks");
    return *m_cancelButtonTitle;
}

QString AppReviewManager::rateButtonTitle() const
{
    if (!m_rateButtonTitle)
        m_rateButtonTitle = tr("Rate %1").arg(appName());
    return *m_rateButtonTitle;
}

QString AppReviewManager::remindButtonTitle() const
{
    // Not kept while there is no reminding: setting the days later brings the button back.
    if (!m_remindButtonTitle && m_daysBeforeReminding != 0)
        m_remindButtonTitle = tr("Remind me later");
    return m_remindButtonTitle.value_or(QString());
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
    // The alert is modal: it counts as shown once it has been answered.
    if (m_didDisplayAlert)
        m_didDisplayAlert();
}

void AppReviewManager::handleNSAlertReturnCode(Dialogs::Answer answer)
{
    switch (answer) {
    case Dialogs::Answer::Default:
        rateApp();
        if (m_didOptToRate)
            m_didOptToRate();
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
    store(RatedCurrentVersion, true);
    store(RatedAnyVersion, true);
    m_defaults->synchronize();
    UrlOpener::open(QUrl(reviewURLString()));
}

void AppReviewManager::dontRate()
{
    store(DeclinedToRate, true);
    m_defaults->synchronize();
    if (m_didDeclineToRate)
        m_didDeclineToRate();
}

void AppReviewManager::remindMeLater()
{
    store(ReminderRequestDate, now());
    m_defaults->synchronize();
    if (m_didOptToRemindLater)
        m_didOptToRemindLater();
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
