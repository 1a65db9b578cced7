// The chord diagram window for every kind of instrument, opened from the song pane and from a library row: it
// stays on the screen, fits its diagrams and draws them.
#include "chordlistviewcontroller.h"
#include "chords.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "chordviewwidget.h"
#include "chordwindowsfixture.h"
#include "textmetrics.h"

#include <QScreen>
#include <QTest>

#include <functional>

namespace {

class ChordDiagramWindowsTest : public ChordWindowsFixture
{
protected:
    // The window lies within the screen's available area, is as large as its diagrams and shows them all.
    static void expectOnScreenWithItsDiagrams(ChordViewControllerWindowController &window)
    {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window.frameGeometry()))
            << "window " << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
            << window.frameGeometry().width() << "x" << window.frameGeometry().height();
        ChordView &view = window.chordViewWidget().chordView();
        ASSERT_FALSE(view.chords().isEmpty());
        const qreal scale = TextMetrics::pointScale(&window);
        const QRectF drawn = view.diagramsRect();
        EXPECT_LE(drawn.bottom() * scale, window.height() + 1) << "every diagram in the window";
        EXPECT_GE(drawn.bottom() * scale, window.height() - 8 * scale) << "no room to spare below them";

        const QImage image = window.chordViewWidget().grab().toImage();
        const QColor ground = view.backgroundColor();
        for (const Chord &chord : view.chords()) {
            const QRect area = (QRectF(chord.bounds().topLeft() * scale, chord.bounds().size() * scale))
                                   .toAlignedRect()
                                   .intersected(image.rect());
            int ink = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    ink += qAbs(qGray(image.pixel(x, y)) - qGray(ground.rgb())) > 60 ? 1 : 0;
            EXPECT_GT(ink, area.width() * area.height() / 50) << "a diagram drawn in its bounds";
        }
    }
};

} // namespace

TEST_F(ChordDiagramWindowsTest, EveryInstrumentsDiagramsOpenOnScreenFromTheSongAndFromTheLibrary)
{
    const char *instruments[] = {"Guitar", "Ukulele_C", "Mandolin", "Piano"};
    for (const char *instrument : instruments) {
        SCOPED_TRACE(instrument);
        select(instrument);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Clicked chords in the middle, near the bottom and near the right edge of the screen.
        const QRect clicked[] = {QRect(screen.center(), QSize(30, 20)),
                                 QRect(screen.left() + 40, screen.bottom() - 30, 30, 20),
                                 QRect(screen.right() - 20, screen.top() + 40, 30, 20)};
        ChordViewControllerWindowController window(host);
        for (const QRect &rect : clicked) {
            window.setChords(QStringLiteral("C"), library().chordsForTitle(QStringLiteral("C")));
            window.showWindow(rect);
            expectOnScreenWithItsDiagrams(window);
        }
        window.close();

        ChordListViewController list(host);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.rowClicked(0);
        ASSERT_NE(list.chordViewController(), nullptr);
        expectOnScreenWithItsDiagrams(*list.chordViewController());
    }
}

TEST_F(ChordDiagramWindowsTest, AKeyboardKeepsTheShapeOfAKeyboard)
{
    select("Piano");
    ChordViewControllerWindowController window(host);
    window.setChords(QStringLiteral("C"), library().chordsForTitle(QStringLiteral("C")));
    const QRectF keyboard = window.chordViewWidget().chordView().chords().front().bounds();
    EXPECT_GT(keyboard.width(), 2 * keyboard.height());
    EXPECT_LT(keyboard.width(), 4 * keyboard.height());
}
