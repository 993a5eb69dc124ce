// Redraws per second of a 177 x 17 XP_ProgressBar in each of its ten looks,
// with and without the caption, against a QPainter fill of the same image.
#include "XP_ProgressBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kWidth = 177, kHeight = 17;

// Runs `step` for about `ms` milliseconds; returns calls per second.
template <typename F>
double Rate(F&& step, int ms = 300)
{
    for (int i = 0; i < 50; ++i)
        step(i);
    QElapsedTimer timer;
    timer.start();
    long n = 0;
    while (timer.elapsed() < ms) {
        for (int i = 0; i < 100; ++i)
            step(static_cast<int>(n + i));
        n += 100;
    }
    return n * 1000.0 / static_cast<double>(timer.nsecsElapsed() / 1000000.0);
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);
    const double peer = Rate([&](int i) {
        QPainter p(&peerImage);
        p.fillRect(0, 0, kWidth, kHeight, QColor(255, 255, 255));
        p.fillRect(3, 3, (i % 101) * (kWidth - 6) / 100, kHeight - 6, QColor(0, 128, 128));
    });
    std::printf("peer: QPainter two fills of %d x %d: %.0f per second\n", kWidth, kHeight, peer);
    std::printf("%-5s %-8s %14s %12s %12s\n", "look", "caption", "redraws/s", "us/redraw", "x peer cost");

    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::darkCyan);
    const PicturePtr pattern = Picture::FromBitmap(tile);
    double worstUs = 0;
    for (int look = 0; look < 10; ++look) {
        for (bool caption : {false, true}) {
            XP_ProgressBar bar;
            bar.resize(kWidth, kHeight);
            bar.SetColor(0x808000);
            bar.SetImage(pattern);
            bar.SetBrushStyle(4);
            bar.SetScrolling(look);
            bar.SetShowText(caption);
            const double rate = Rate([&](int i) {
                bar.SetValue(i % 101); // maps, clamps and redraws the whole bar
            });
            const double us = 1e6 / rate;
            worstUs = std::max(worstUs, us);
            std::printf("%-5d %-8s %14.0f %12.1f %12.1f\n", look, caption ? "yes" : "no", rate, us, peer / rate);
        }
    }
    std::printf("slowest redraw: %.1f us (%s one millisecond)\n", worstUs,
                worstUs < 1000 ? "well under" : "NOT under");
    return worstUs < 1000 ? 0 : 1;
}
