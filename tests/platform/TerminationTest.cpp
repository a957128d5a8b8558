#include "platform/Termination.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

#ifndef _WIN32
#include <csignal>
#endif

namespace {

TEST(ScopedTerminationHandler, OneLivesAtATimeAndAnswersOnlyRequests)
{
    int nAnswered = 0;
    {
        const platform::ScopedTerminationHandler first([&nAnswered] { ++nAnswered; });
        EXPECT_THROW(platform::ScopedTerminationHandler([] {}), std::logic_error);
    }
    EXPECT_NO_THROW(platform::ScopedTerminationHandler([] {})) << "the first one has ended";
    EXPECT_EQ(nAnswered, 0);
}

// Windows sends its console events to every program on the console, the test runner's too,
// so only signals are raised here.
#ifndef _WIN32

extern "C" void IgnoreSignal(int) {}

// Raised in this thread, a signal is handled before raise returns, so the request waits in
// the handler before it ends.
TEST(ScopedTerminationHandler, EachSignalIsAnsweredOutsideItsHandlerInsteadOfEndingTheProgram)
{
    for (const int nSignal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(nSignal);
        int nAnswered = 0;
        std::thread::id answeredOn;
        {
            const platform::ScopedTerminationHandler handler([&] {
                ++nAnswered;
                answeredOn = std::this_thread::get_id();
            });
            ASSERT_EQ(std::raise(nSignal), 0);
            ASSERT_EQ(std::raise(nSignal), 0);
        }
        EXPECT_EQ(nAnswered, 2);
        EXPECT_NE(answeredOn, std::this_thread::get_id());
    }
}

TEST(ScopedTerminationHandler, WhatTheSignalsDidBeforeComesBack)
{
    for (const int nSignal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(nSignal);
        struct sigaction own {};
        own.sa_handler = IgnoreSignal;
        sigemptyset(&own.sa_mask);
        struct sigaction previous {};
        ASSERT_EQ(sigaction(nSignal, &own, &previous), 0);
        {
            const platform::ScopedTerminationHandler handler([] {});
            struct sigaction during {};
            sigaction(nSignal, nullptr, &during);
            EXPECT_NE(during.sa_handler, IgnoreSignal);
        }
        struct sigaction after {};
        sigaction(nSignal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, IgnoreSignal);
        sigaction(nSignal, &previous, nullptr);
    }
}

#endif

}  // namespace
