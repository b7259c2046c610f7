/* Loads a library by bare name, as the program must never do: proves that a
   planted stand-in would be found and would leave its mark. */
#include <stdio.h>
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    printf("loaded %d\n", LoadLibraryW(argv[1]) != NULL);
    return 0;
}
