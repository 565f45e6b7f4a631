// Background work: each piece runs on a thread of its own; its result comes
// back as a message to a message-only window of the window thread, which
// hands it to the model as an event. Messages to a window (unlike thread
// messages) also arrive while a modal box runs its own loop.
#include <windows.h>

#include <memory>

#include "app_peer.hpp"

namespace forms::win32 {

namespace {

using Work = std::function<std::function<void()>()>;
using Result = std::function<void()>;

constexpr UINT kWorkDoneMessage = WM_APP + 7;
constexpr const wchar_t* kResultsClass = L"FormsBackgroundResults";

struct Job {
    Work work;
    HWND results;
};

DWORD WINAPI runJob(void* parameter) {
    std::unique_ptr<Job> job(static_cast<Job*>(parameter));
    auto result = std::make_unique<Result>(job->work());
    // Once the window is gone (the program ended), nobody takes the result.
    if (PostMessageW(job->results, kWorkDoneMessage, 0, reinterpret_cast<LPARAM>(result.get()))) result.release();
    return 0;
}

LRESULT CALLBACK resultsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWorkDoneMessage) {
        std::unique_ptr<Result> result(reinterpret_cast<Result*>(lParam));
        auto* peer = reinterpret_cast<Win32AppPeer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (peer) peer->backgroundWorkDone(*result);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

HWND Win32AppPeer::backgroundResults() {
    if (!backgroundResults_) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = resultsProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kResultsClass;
        RegisterClassExW(&windowClass);  // fails harmlessly when already registered
        backgroundResults_ = CreateWindowExW(0, kResultsClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                             GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(backgroundResults_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    return backgroundResults_;
}

void Win32AppPeer::startBackgroundWork(Work work) {
    auto job = std::make_unique<Job>(Job{std::move(work), backgroundResults()});
    HANDLE thread = CreateThread(nullptr, 0, runJob, job.get(), 0, nullptr);
    if (!thread) {
        // No thread to be had: do the work here rather than lose it.
        app_.finishBackgroundWork(job->work());
        return;
    }
    job.release();
    CloseHandle(thread);
    ++backgroundWorkWaiting_;
}

void Win32AppPeer::backgroundWorkDone(const Result& result) {
    --backgroundWorkWaiting_;
    app_.finishBackgroundWork(result);
}

}  // namespace forms::win32
