/* The smallest 32-bit Windows program: whether it prints its line under
 * Wine tells whether this machine can run the 32-bit build at all. */
#include <stdio.h>

int main(void) {
    puts("32-bit Windows programs run here");
    return 0;
}
