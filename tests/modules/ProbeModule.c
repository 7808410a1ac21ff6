/* The probe module's code: an entry point that leaves a mark. When the
   module is loaded as code, Windows calls it and it writes one line to the
   file named by the environment variable PROBE_MARKER; when the module is
   mapped as resources only, nothing runs and no file appears. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char marker[MAX_PATH];
        DWORD length = GetEnvironmentVariableA("PROBE_MARKER", marker, sizeof marker);
        if (length > 0 && length < sizeof marker) {
            HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, NULL);
            if (file != INVALID_HANDLE_VALUE) {
                static const char line[] = "the probe module's entry point ran\r\n";
                DWORD written = 0;
                WriteFile(file, line, sizeof line - 1, &written, NULL);
                CloseHandle(file);
            }
        }
    }
    return TRUE;
}
