#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

namespace {

// A fault inside a window procedure can be stepped over by the system (Wine logs it and goes
// on; 64-bit Windows may too), or hang the run in a debugger: the first one seen ends the run
// at once, failed, wherever it happened. C++ exceptions and the system's notices are no faults.
LONG CALLBACK watch(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if ((record.ExceptionCode & 0xC0000000) == 0xC0000000 && record.ExceptionCode != 0xE06D7363) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::printf("[  FAULT   ] exception 0x%08lX at %p in %s.%s\n", record.ExceptionCode,
                    record.ExceptionAddress, test != nullptr ? test->test_suite_name() : "",
                    test != nullptr ? test->name() : "");
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    AddVectoredExceptionHandler(1, &watch);
    return RUN_ALL_TESTS();
}
