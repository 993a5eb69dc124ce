#include "TerminationSignals.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>

// A signal is told from the event loop, once, whichever of the three it is;
// the earlier handlers come back with the object's end.
TEST(TerminationSignals, ArriveThroughTheEventLoopOnce)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction before {};
        ::sigaction(signal, nullptr, &before);
        {
            TerminationSignals termination;
            ASSERT_TRUE(termination.Installed());
            QSignalSpy arrived(&termination, &TerminationSignals::Arrived);
            ::raise(signal);
            ::raise(SIGTERM);
            EXPECT_EQ(arrived.count(), 0) << "told inside the handler";
            ASSERT_TRUE(arrived.wait(5000));
            EXPECT_EQ(arrived.at(0).at(0).toInt(), signal);
            EXPECT_EQ(termination.Received(), signal);
            EXPECT_FALSE(arrived.wait(50));
        }
        struct sigaction after {};
        ::sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}
