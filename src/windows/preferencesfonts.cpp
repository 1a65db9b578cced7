// The preferences window's fonts: the font tabs over one font editor, the preview, Reset to Defaults, and font
// settings files exported or dropped.
#include "preferencescontroller.h"

#include "dialogs.h"
#include "fontprefsview.h"
#include "paths.h"
#include "prefs.h"
#include "songviewwidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMimeData>
#include <QScrollArea>
#include <QTabWidget>
#include <QUrl>

namespace {

const QString fontSettingsType = QStringLiteral("vellorinfontsettings");

bool isFontSettingsFile(const QString &path)
{
    return QFileInfo(path).suffix() == fontSettingsType;
}

QStringList localPaths(const QMimeData &data)
{
    QStringList paths;
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

const int layoutTab = 1;

} // namespace

const std::shared_ptr<FontPrefs> &PreferencesController::fontPrefsOfTab(int index) const
{
    switch (index) {
    case 1:
        return m_localprefs->chordfontprefs();
    case 2:
        return m_localprefs->tabfontprefs();
    case 3:
        return m_localprefs->commentfontprefs();
    case 4:
        return m_localprefs->highlightfontprefs();
    default:
        return m_localprefs->textfontprefs();
    }
}

void PreferencesController::showFontTab(int index)
{
    // One editor for the five tabs: it moves under the chosen one.
    if (QWidget *page = m_layoutTabView->widget(index))
        page->layout()->addWidget(m_fontPrefsView);
    m_fontPrefsView->setFontPrefs(fontPrefsOfTab(index));
    m_fontPrefsView->refresh();
}

void PreferencesController::fitPreview()
{
    m_songView->adjustFrameForView(m_songScrollView, false);
    m_songView->update();
}

void PreferencesController::resetToDefaults()
{
    // The preview and the editor let go of the old object before it goes.
    std::unique_ptr<Prefs> defaults = std::make_unique<Prefs>();
    m_songView->songView().setPrefs(defaults.get());
    m_localprefs.swap(defaults);
    showFontTab(m_layoutTabView->currentIndex());
    defaults.reset();
    loadOptions();
    fitPreview();
}

void PreferencesController::exportFontPrefs()
{
    Dialogs::SavePanel panel;
    panel.directory = Paths::desktopDirectory();
    panel.fileName = tr("Vellorin");
    panel.allowedTypes = {fontSettingsType};
    const QString path = m_dialogs.runSavePanel(panel);
    if (!path.isEmpty())
        m_localprefs->exportFontPrefs(path);
}

bool PreferencesController::acceptsDrop(const QStringList &paths)
{
    return !paths.isEmpty() && isFontSettingsFile(paths.constFirst());
}

bool PreferencesController::performDrop(const QStringList &paths)
{
    const auto file = std::find_if(paths.begin(), paths.end(), isFontSettingsFile);
    if (file == paths.end())
        return false;
    // A file that cannot be read is logged and leaves the fonts as they were; the window shows them all the same.
    m_localprefs->importFontPrefs(*file);
    loadOptions();
    m_tabView->setCurrentIndex(layoutTab);
    showFontTab(m_layoutTabView->currentIndex());
    fitPreview();
    return true;
}

bool PreferencesController::eventFilter(QObject *watched, QEvent *event)
{
    // The preview fits the visible part of its scroll area whenever that changes size.
    if (watched == m_songScrollView->viewport() && event->type() == QEvent::Resize)
        fitPreview();
    return QDialog::eventFilter(watched, event);
}

void PreferencesController::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrop(localPaths(*event->mimeData())))
        event->acceptProposedAction();
}

void PreferencesController::dropEvent(QDropEvent *event)
{
    if (performDrop(localPaths(*event->mimeData())))
        event->acceptProposedAction();
}
