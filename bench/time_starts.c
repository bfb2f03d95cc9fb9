/* Starts a program again and again and prints the medians of its starts.
   Usage:
     time_starts RUNS MARKFILE [-fresh-cache] COMMAND LINE...
       Prints "wall_ms cpu_ms to_vm_ms private_kib": the wall and CPU time
       (user + kernel) of the whole process, the time from the start to
       JNI_CreateJavaVM and the private memory there, both as the recording
       VM notes them in MARKFILE. -fresh-cache empties the launcher's
       version cache before every start.
     time_starts RUNS -copy FROM TO
       Prints "wall_ms" of copying the file (CopyFileW). */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static int compareDoubles(const void* a, const void* b) {
    double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static double median(double* values, int count) {
    qsort(values, count, sizeof *values, compareDoubles);
    return count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2;
}

static double frequency(void) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return (double)f.QuadPart;
}

static LONGLONG now(void) {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

/* The command line after the first skip arguments, as given. */
static const wchar_t* commandAfter(int skip) {
    const wchar_t* p = GetCommandLineW();
    for (int i = 0; i < skip; ++i) {
        int quoted = 0;
        while (*p == L' ') ++p;
        while (*p && (quoted || *p != L' ')) {
            if (*p == L'"') quoted = !quoted;
            ++p;
        }
    }
    while (*p == L' ') ++p;
    return p;
}

static int copies(int runs, const wchar_t* from, const wchar_t* to) {
    double* wall = calloc(runs, sizeof *wall);
    for (int i = 0; i < runs; ++i) {
        LONGLONG start = now();
        if (!CopyFileW(from, to, FALSE)) return 1;
        wall[i] = (now() - start) * 1000.0 / frequency();
        DeleteFileW(to);
    }
    printf("%.2f\n", median(wall, runs));
    return 0;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) return 2;
    int runs = _wtoi(argv[1]);
    if (wcscmp(argv[2], L"-copy") == 0) return argc == 5 ? copies(runs, argv[3], argv[4]) : 2;
    const wchar_t* mark = argv[2];
    int freshCache = wcscmp(argv[3], L"-fresh-cache") == 0;
    const wchar_t* command = commandAfter(freshCache ? 4 : 3);
    double *wall = calloc(runs, sizeof *wall), *cpu = calloc(runs, sizeof *cpu);
    double *toVm = calloc(runs, sizeof *toVm), *privateKib = calloc(runs, sizeof *privateKib);
    for (int i = 0; i < runs; ++i) {
        if (freshCache) RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\valdrin-works\\tessel\\jvms");
        DeleteFileW(mark);
        size_t length = wcslen(command) + 1;
        wchar_t* line = malloc(length * sizeof *line);
        memcpy(line, command, length * sizeof *line);
        STARTUPINFOW startup = {sizeof startup};
        PROCESS_INFORMATION process;
        LONGLONG start = now();
        if (!CreateProcessW(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
            fwprintf(stderr, L"cannot start %ls: %lu\n", command, GetLastError());
            return 1;
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        wall[i] = (now() - start) * 1000.0 / frequency();
        FILETIME created, exited, kernel, user;
        GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
        cpu[i] = (((ULONGLONG)kernel.dwHighDateTime << 32 | kernel.dwLowDateTime) +
                  ((ULONGLONG)user.dwHighDateTime << 32 | user.dwLowDateTime)) / 10000.0;
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        free(line);
        FILE* file = _wfopen(mark, L"r");
        long long ticks = 0, bytes = 0;
        if (file) {
            if (fscanf(file, "%lld %lld", &ticks, &bytes) != 2) ticks = 0;
            fclose(file);
        }
        toVm[i] = ticks ? (ticks - start) * 1000.0 / frequency() : -1;
        privateKib[i] = bytes / 1024.0;
    }
    printf("%.2f %.2f %.2f %.0f\n", median(wall, runs), median(cpu, runs), median(toVm, runs),
           median(privateKib, runs));
    return 0;
}
