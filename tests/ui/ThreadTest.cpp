#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "ScriptedInteraction.h"
#include "Thread.h"

namespace {

// Hands three values to the window thread, one synchronous call each.
class Counter : public ui::Thread {
public:
    ~Counter() override { Stop(); }

    std::vector<DWORD> callThreads;     // written on the window thread only
    std::vector<int> handedOver;        // written on the window thread only
    std::vector<size_t> seenAfterCall;  // written by the worker
    bool throwInCall = false;

protected:
    void Execute() override {
        for (int i = 0; i < 3 && !Terminated(); ++i) {
            Synchronize([this, i] {
                callThreads.push_back(GetCurrentThreadId());
                handedOver.push_back(i);
                if (throwInCall && i == 1) throw std::runtime_error("Reply lost");
            });
            // The call has finished when Synchronize returns.
            seenAfterCall.push_back(handedOver.size());
        }
    }
};

TEST(Thread, SynchronizeRunsOnTheWindowThreadAndWaits) {
    Counter counter;
    ASSERT_TRUE(counter.Start());
    counter.WaitFor();   // runs the handed-over calls meanwhile
    EXPECT_EQ(counter.handedOver, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(counter.callThreads, std::vector<DWORD>(3, GetCurrentThreadId()));
    EXPECT_EQ(counter.seenAfterCall, (std::vector<size_t>{1, 2, 3}));
    EXPECT_FALSE(counter.Running());
}

TEST(Thread, AnExceptionInTheCallIsShownAndTheWorkerGoesOn) {
    ui::ScriptedInteraction script;
    Counter counter;
    counter.throwInCall = true;
    ASSERT_TRUE(counter.Start());
    counter.WaitFor();
    EXPECT_EQ(counter.handedOver.size(), 3u);
    auto boxes = script.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Reply lost.");
    EXPECT_TRUE(counter.FatalException().empty());
}

class Failing : public ui::Thread {
public:
    ~Failing() override { Stop(); }

protected:
    void Execute() override { throw std::runtime_error("Cannot open COM3"); }
};

TEST(Thread, AnExceptionEndingTheWorkerIsKept) {
    Failing failing;
    ASSERT_TRUE(failing.Start());
    failing.WaitFor();
    EXPECT_EQ(failing.FatalException(), "Cannot open COM3");
}

// Runs until told to stop, as the serial reader does.
class Waiter : public ui::Thread {
public:
    ~Waiter() override { Stop(); }
    int rounds = 0;

protected:
    void Execute() override {
        while (!Terminated()) {
            Synchronize([this] { ++rounds; });
            Sleep(1);
        }
    }
};

TEST(Thread, StopEndsAWorkerThatIsBusyHandingOver) {
    Waiter waiter;
    ASSERT_TRUE(waiter.Start());
    EXPECT_FALSE(waiter.Start());   // already running
    MSG message;
    for (int i = 0; i < 50 && waiter.rounds < 3; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    EXPECT_GE(waiter.rounds, 3);
    waiter.Stop();
    EXPECT_FALSE(waiter.Running());
}

}  // namespace
