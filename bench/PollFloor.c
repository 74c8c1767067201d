/* The floor of waking 20 times a second: a process that does nothing but wait 50 ms in poll()
 * in a loop. Any program polling at that period costs at least this much here.
 *
 *   bench_poll_floor [period_ms]    runs until it is ended */
#include <poll.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    const int period = argc > 1 ? atoi(argv[1]) : 50;
    for (;;)
        poll(NULL, 0, period);
}
