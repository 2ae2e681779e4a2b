#include "worker_thread.h"

#include <process.h>

bool CWorkerThread::Begin(Procedure procedure, void* parameter, int priority)
{
    Join();
    // Created suspended so that the priority holds from the first instruction.
    auto handle = _beginthreadex(nullptr, 0, procedure, parameter, CREATE_SUSPENDED, nullptr);
    if (!handle) return false;
    m_hThread = reinterpret_cast<HANDLE>(handle);
    SetThreadPriority(m_hThread, priority);
    ResumeThread(m_hThread);
    return true;
}

void CWorkerThread::Join()
{
    if (!m_hThread) return;
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
    m_hThread = nullptr;
}
