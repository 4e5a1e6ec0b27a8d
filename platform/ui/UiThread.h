// Worker threads: AfxBeginThread starts `proc(param)` on a new thread.
//
// The returned CWinThread deletes itself (and closes its handle) when the thread ends unless
// m_bAutoDelete is cleared; to clear it safely, start the thread with CREATE_SUSPENDED, clear the
// flag, then ResumeThread. With m_bAutoDelete cleared the caller deletes the object after the
// thread has ended (wait on m_hThread).
#pragma once
#include <windows.h>

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread {
public:
    CWinThread(AFX_THREADPROC proc, LPVOID param) : m_proc(proc), m_param(param) {}
    virtual ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;

    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }

private:
    AFX_THREADPROC m_proc;
    LPVOID m_param;
    static unsigned __stdcall Start(void* self);
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD);
};

// Null when the thread could not be created.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0);
