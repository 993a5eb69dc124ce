// The bar's surface over a sequence of requests: it only grows, a new screen
// ratio remakes it at the size it had, and nothing is made for an empty area.
#include "ProgressSurface.h"

#include <gtest/gtest.h>

namespace {
struct Request {
    int w, h;
    qreal ratio;
    QSize logical; // expected Width x Height afterwards (0 x 0: no surface)
    QSize device;  // expected image size
};
} // namespace

TEST(ProgressSurface, GrowsOnlyAndFollowsTheScreenRatio)
{
    const Request steps[] = {
        {0, 10, 1.0, {0, 0}, {0, 0}},        // an empty area makes none
        {40, 10, 1.0, {40, 10}, {40, 10}},
        {20, 5, 1.0, {40, 10}, {40, 10}},     // shrinking keeps it
        {30, 12, 1.0, {40, 12}, {40, 12}},    // each side grows on its own
        {30, 12, 2.0, {40, 12}, {80, 24}},    // a new ratio keeps the size it had
        {30, 12, 0.5, {40, 12}, {40, 12}},    // below 1 it draws at 1
        {30, 12, 1.5, {40, 12}, {60, 18}},
    };
    ProgressSurface surface;
    for (const Request& r : steps) {
        SCOPED_TRACE(testing::Message() << r.w << "x" << r.h << " at " << r.ratio);
        surface.Ensure(r.w, r.h, r.ratio);
        EXPECT_EQ(QSize(surface.Width(), surface.Height()), r.logical);
        EXPECT_EQ(surface.Image().size(), r.device);
        EXPECT_EQ(surface.Dc() != nullptr, !r.logical.isEmpty());
        EXPECT_TRUE(surface.Dc() == nullptr || surface.MatchesScreen(r.ratio));
    }
    // The part shown is clipped to the surface and carries its ratio.
    const QImage shown = surface.Shown(100, 4);
    EXPECT_EQ(shown.size(), QSize(60, 6));
    EXPECT_EQ(shown.devicePixelRatio(), 1.5);
    surface.Free();
    EXPECT_EQ(surface.Dc(), nullptr);
    EXPECT_TRUE(surface.Shown(10, 10).isNull());
}
