#pragma once
// A worker thread started at once with a given priority. The object owns the
// thread's handle; destroying it waits for the thread to end.
#include <windows.h>

class CWorkerThread {
public:
    using Procedure = unsigned(__stdcall*)(void*);

    CWorkerThread() = default;
    ~CWorkerThread() { Join(); }
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts `procedure(parameter)` with the default stack size. Waits first
    // for a thread started earlier by this object. False if it could not start.
    bool Begin(Procedure procedure, void* parameter, int priority = THREAD_PRIORITY_NORMAL);
    // Waits for the thread to end and lets go of it.
    void Join();

private:
    HANDLE m_hThread = nullptr;
};
