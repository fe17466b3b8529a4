/* A package that never finishes in time. */
#include <windows.h>

int main(void) {
    Sleep(60000);
    return 0;
}
