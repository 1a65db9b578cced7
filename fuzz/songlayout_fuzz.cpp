// Song texts laid out and drawn: any text lays out at any width and zoom, draws, and answers where its lines
// are, without reading outside what it laid out.
#include "fuzzcontext.h"
#include "fuzzsetup.h"
#include "song.h"
#include "songview.h"
#include "songviewdelegate.h"
#include "textfile.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

class FuzzSongDelegate : public SongViewDelegate
{
public:
    SongPtr song = std::make_shared<Song>();
    SongPtr songForSongView(const SongView &) override { return song; }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSetup::start<QGuiApplication>(argc, argv);
    static FuzzContext context;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzSongDelegate delegate;
    delegate.song->setText(
        TextFile::decode(FuzzSetup::bytesOf(data, size), TextFile::LastResort::Latin1).value_or(QString()));
    SongView view;
    view.setDelegate(&delegate);
    QImage image(120, 160, QImage::Format_ARGB32);
    for (const auto &[width, zoom] : {std::pair{80.0f, 0.5f}, std::pair{400.0f, 2.0f}}) {
        view.setZoomScale(zoom);
        view.calcLineInfosForText(delegate.song->text(), width);
        QPainter painter(&image);
        view.drawRect(painter, QRectF(0, 0, width, 160));
        for (const qint64 line : {qint64(0), qint64(3), qint64(1000)})
            view.yForLine(line);
        for (const quint64 position : {quint64(0), quint64(size / 2), quint64(size + 5)})
            view.lineForCursorPos(position);
    }
    return 0;
}
