// The font editor: edits one font record of the settings (its font, text colour and background colour) in place,
// and says so after every change. The preferences window lays one over its font tabs and points it at the
// record of the chosen tab.
#pragma once

#include <QWidget>

#include <memory>

class ColorWell;
class Dialogs;
class FontPrefs;
class QLabel;
class QPushButton;

class FontPrefsView : public QWidget
{
    Q_OBJECT

public:
    // The font and colour panels are asked through dialogs.
    explicit FontPrefsView(Dialogs &dialogs, QWidget *parent = nullptr);

    // The record edited; the owner calls refresh() after pointing the view at another one.
    const std::shared_ptr<FontPrefs> &fontPrefs() const { return m_fontPrefs; }
    void setFontPrefs(std::shared_ptr<FontPrefs> fontPrefs) { m_fontPrefs = std::move(fontPrefs); }
    // Shows the record; tells no one.
    void refresh();

Q_SIGNALS:
    // The record was changed by the user, once per change.
    void fontPrefsChanged(const std::shared_ptr<FontPrefs> &fontPrefs);

private:
    // The buttons' actions: each asks its panel and, unless cancelled, writes the record and says so.
    void selectFont();
    // The font the font panel opens on.
    QFont panelFont() const;
    void changeColor(ColorWell *well, const QColor &(FontPrefs::*color)() const,
                     void (FontPrefs::*setColor)(const QColor &));
    void showFontName();

    Dialogs &m_dialogs;
    std::shared_ptr<FontPrefs> m_fontPrefs;
    QLabel *m_fontLabel;
    QLabel *m_foregroundLabel;
    QLabel *m_backgroundLabel;
    QPushButton *m_fontButton;
    ColorWell *m_foregroundColorWell;
    ColorWell *m_backgroundColorWell;
};
