/*
 * The benchmark's floor: a Windows program that does nothing at all. No C
 * runtime, one import (ExitProcess), linked like the package stub. Its
 * start under Wine is what any program pays before its first own line, and
 * its size is what any program of this tool chain weighs.
 */
#include <windows.h>

__attribute__((noreturn)) void EmptyEntry(void)
{
    ExitProcess(0);
}
