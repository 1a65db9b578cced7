// Prints the line records of a song file laid out at a width and zoom, to debug layouts and compare them
// across changes: vellorin-songlayout [--width 400] [--zoom 1] song-file
#include "appcontext.h"
#include "prefs.h"
#include "songview.h"
#include "songviewdelegate.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// The application as far as the layout asks for it: default settings, so that outputs compare across
// machines and changes whatever the user has set.
class ToolContext : public AppContext, public SongViewDelegate
{
public:
    explicit ToolContext(SongPtr song)
        : m_song(std::move(song))
    {
        AppContext::install(this);
    }
    ~ToolContext() override { AppContext::install(nullptr); }

    Prefs *prefs() override { return &m_prefs; }
    SongPtr songForSongView(const SongView &) override { return m_song; }

private:
    Prefs m_prefs;
    SongPtr m_song;
};

// "T" title, "S" subtitle, "C" chorus, "B" tab, "G" grid row, "I" image, "P" page break, "H" starts highlighted.
QString kindOf(const LineInfo &line)
{
    QString kind;
    const std::pair<bool, char16_t> flags[] = {
        {line.title, u'T'},           {line.subtitle, u'S'},        {line.chorus, u'C'},  {line.tab, u'B'},
        {bool(line.gridCells), u'G'}, {!line.image.isNull(), u'I'}, {line.newPage, u'P'}, {line.highlight, u'H'},
    };
    for (const auto &[set, letter] : flags)
        kind += set ? QChar(letter) : QChar(u'.');
    return kind;
}

QString shown(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    escaped.replace(u'\r', QStringLiteral("\\r")).replace(u'\t', QStringLiteral("\\t"));
    return escaped;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the line records of a song laid out at a width and zoom."));
    parser.addHelpOption();
    const QCommandLineOption widthOption(QStringLiteral("width"), QStringLiteral("Width in points, border included."),
                                         QStringLiteral("points"), QStringLiteral("400"));
    const QCommandLineOption zoomOption(QStringLiteral("zoom"), QStringLiteral("Zoom scale."), QStringLiteral("scale"),
                                        QStringLiteral("1"));
    parser.addOptions({widthOption, zoomOption});
    parser.addPositionalArgument(QStringLiteral("song"), QStringLiteral("The song file."));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool widthOk = false;
    bool zoomOk = false;
    const float width = parser.value(widthOption).toFloat(&widthOk);
    const float zoom = parser.value(zoomOption).toFloat(&zoomOk);
    if (parser.positionalArguments().size() != 1 || !widthOk || !zoomOk || width <= 0 || zoom <= 0) {
        err << parser.helpText();
        return 2;
    }
    const QString path = parser.positionalArguments().first();
    const auto song = std::make_shared<Song>(path);
    if (song->loadFailed()) {
        err << "Cannot read " << path << "\n";
        return 1;
    }

    ToolContext context(song);
    SongView view;
    view.setDelegate(&context);
    view.setZoomScale(zoom);
    view.calcLineInfosForText(song->text(), width);

    out << "# " << path << "  width " << width << "  zoom " << zoom << "  records " << view.lines().size()
        << "  maxwidth " << view.maxwidth() << "  height " << view.heightOfSong() << (view.isTab() ? "  tab-song" : "")
        << (view.rightToLeft() ? "  right-to-left" : "") << "\n";
    out << "# kind letters: Title Subtitle Chorus taB Grid Image Pagebreak Highlighted\n";
    for (qsizetype i = 0; i < view.lines().size(); ++i) {
        const LineInfo &line = view.lines()[i];
        out << QStringLiteral("%1 %2 %3+%4 %5 ")
                   .arg(i, 4)
                   .arg(kindOf(line))
                   .arg(line.range.location, 6)
                   .arg(line.range.length, -4)
                   .arg(double(line.height), 8, 'f', 2)
            << '"' << shown(song->text().mid(line.range.location, line.range.length)) << "\"\n";
    }
    for (const PauseInfo &pause : view.pauses())
        out << "# pause " << pause.pause_s << " s at " << pause.position << "\n";
    return 0;
}
