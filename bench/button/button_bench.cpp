// Forced redraws per second of a 177 x 49 look-3 button with the "Start"
// picture, against the same button without picture as the peer, and the
// drawing cost of one hover change (pointer entering or leaving).
#include "Picture.h"
#include "SystemColors.h"
#include "chameleonButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>

#include <cstdio>
#include <cstdlib>

namespace {

struct Figure {
    double perSecond;
    double microseconds;
};

template <typename F>
Figure Measure(int rounds, F&& once)
{
    for (int i = 0; i < rounds / 10; ++i) // warm-up
        once(i);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        once(i);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return {rounds / seconds, seconds * 1e6 / rounds};
}

void SetUp(chameleonButton& b, bool withPicture)
{
    b.SetButtonType(chameleonButton::BlueGradient);
    b.SetCaption(QStringLiteral("Start"));
    b.SetFont(FontObject(QStringLiteral("MS Sans Serif"), 9.75));
    b.SetBackColor(0xD8E9EC);
    if (withPicture) {
        b.SetMaskColor(0xFFFFFF);
        b.SetPictureNormal(Picture::Load(QStringLiteral(VOLARIN_PICTURES_DIR "/start.png")));
    }
    b.resize(177, 49);
    b.show();
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SystemColors::UseXpSchemeForTests();
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5000;

    chameleonButton withPicture, plain;
    SetUp(withPicture, true);
    SetUp(plain, false);
    if (withPicture.PictureWidthPixels() != 36) {
        std::fprintf(stderr, "start.png not found under %s\n", VOLARIN_PICTURES_DIR);
        return 1;
    }
    const Figure pic = Measure(rounds, [&](int) { withPicture.Redraw(0, true); });
    const Figure peer = Measure(rounds, [&](int) { plain.Redraw(0, true); });

    // A hover change: the pointer enters (forced redraw, MouseOver) or leaves.
    const QPointF inside(88, 24);
    const Figure hover = Measure(rounds, [&](int i) {
        if (i % 2 == 0) {
            QEnterEvent enter(inside, inside, withPicture.mapToGlobal(inside));
            QApplication::sendEvent(&withPicture, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&withPicture, &leave);
        }
    });
    // An unforced redraw with nothing changed: what a mouse move over the button costs.
    const Figure skipped = Measure(rounds * 20, [&](int) { withPicture.Redraw(withPicture.LastDrawnState(), false); });

    std::printf("look 3, 177 x 49, with 36 x 36 picture: %9.0f forced redraws/s (%7.1f us each)\n",
                pic.perSecond, pic.microseconds);
    std::printf("peer, same button without picture:      %9.0f forced redraws/s (%7.1f us each)\n",
                peer.perSecond, peer.microseconds);
    std::printf("ratio picture / peer time:              %9.2f\n", pic.microseconds / peer.microseconds);
    std::printf("hover change (enter or leave):          %9.1f us of drawing\n", hover.microseconds);
    std::printf("skipped unforced redraw:                %9.3f us\n", skipped.microseconds);
    return 0;
}
