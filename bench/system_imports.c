/* Linked into a copy of the recording VM for the benchmark: a function of
   each system DLL that a HotSpot jvm.dll imports besides KERNEL32 and the C
   runtime. Loading it then loads them, as loading a real runtime does, so
   the launcher is not charged for DLLs that every real start loads anyway. */
/* PSAPI.DLL itself, not the KERNEL32 copies of its functions. */
#define PSAPI_VERSION 1
#include <windows.h>

#include <mmsystem.h>
#include <psapi.h>
#include <winsock.h>

__declspec(dllexport) void* benchSystemImports[] = {
    (void*)MessageBoxW,             /* USER32 */
    (void*)RegCloseKey,             /* ADVAPI32 */
    (void*)WSAGetLastError,         /* WSOCK32 */
    (void*)timeGetTime,             /* WINMM */
    (void*)GetFileVersionInfoSizeW, /* VERSION */
    (void*)GetModuleInformation,    /* PSAPI */
};
