// COM for the shell's handlers: entered once, apartment-threaded, and left
// again when its object goes. On a thread of its own, which no launch of
// another test has entered COM on.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <thread>

#include "app/com_apartment.h"

namespace {

TEST(ComApartment, EntersApartmentThreadedOnceAndLeavesWhenItGoes)
{
    std::thread([] {
        {
            ComApartment apartment;
            EXPECT_TRUE(apartment.Enter());
            EXPECT_TRUE(apartment.Enter());
            EXPECT_EQ(RPC_E_CHANGED_MODE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        }
        // Entered twice, left once, it would still hold the thread.
        EXPECT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    }).join();
}

} // namespace
