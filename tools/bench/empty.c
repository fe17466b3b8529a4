/*
 * The start-up floor of the benchmark: a Windows program that does nothing.
 * Built like the setup programs (same compiler, static runtime), so that
 * starting it costs what any program of this build pays before its first
 * line of its own.
 */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    return 0;
}
