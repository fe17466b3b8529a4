/*
 * The native half of the unpacking floor: how long zlib takes to inflate the
 * member of a package on this machine, without a process start, a file
 * write or anything else around it.
 *
 *   inflate_timer PACKAGE [RUNS]
 *
 * Prints "inflate MEDIAN_MS MIN_MS MAX_MS RUNS SIZE". Built with the host's
 * compiler and the host's zlib (Debian: zlib1g-dev).
 */
#define _POSIX_C_SOURCE 199309L
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <zlib.h>

static uint32_t get16(const unsigned char *p) { return (uint32_t)p[0] | (uint32_t)p[1] << 8; }
static uint32_t get32(const unsigned char *p) { return get16(p) | get16(p + 2) << 16; }

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int compare(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static unsigned char *read_file(const char *path, size_t *size)
{
    FILE *f = fopen(path, "rb");
    if (!f)
        return NULL;
    fseek(f, 0, SEEK_END);
    long length = ftell(f);
    fseek(f, 0, SEEK_SET);
    unsigned char *data = length > 0 ? malloc((size_t)length) : NULL;
    if (data && fread(data, 1, (size_t)length, f) != (size_t)length) {
        free(data);
        data = NULL;
    }
    fclose(f);
    *size = data ? (size_t)length : 0;
    return data;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: inflate_timer PACKAGE [RUNS]\n");
        return 2;
    }
    int runs = argc > 2 ? atoi(argv[2]) : 21;
    if (runs < 1)
        runs = 1;
    size_t size;
    unsigned char *package = read_file(argv[1], &size);
    if (!package || size < 22) {
        fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    /* The package's one member: end record, central entry, local header. */
    size_t end = size - 22;
    while (end > 0 && get32(package + end) != 0x06054B50u)
        --end;
    uint32_t directory = get32(package + end + 16);
    if (get32(package + end) != 0x06054B50u || directory + 46 > size
        || get32(package + directory) != 0x02014B50u) {
        fprintf(stderr, "%s: no archive\n", argv[1]);
        return 1;
    }
    const unsigned char *entry = package + directory;
    uint32_t crc = get32(entry + 16), packed = get32(entry + 20), unpacked = get32(entry + 24);
    uint32_t local = get32(entry + 42);
    if (get16(entry + 10) != 8 || local + 30 > size) {
        fprintf(stderr, "%s: the member is not deflated\n", argv[1]);
        return 1;
    }
    uint32_t data = local + 30 + get16(package + local + 26) + get16(package + local + 28);
    if (data + packed > size) {
        fprintf(stderr, "%s: the member runs past the end\n", argv[1]);
        return 1;
    }

    unsigned char *out = malloc(unpacked ? unpacked : 1);
    double *times = malloc(sizeof *times * (size_t)(runs + 2));
    for (int i = 0; i < runs + 2; ++i) {
        z_stream stream;
        memset(&stream, 0, sizeof stream);
        double start = now_ms();
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
            return 1;
        stream.next_in = package + data;
        stream.avail_in = packed;
        stream.next_out = out;
        stream.avail_out = unpacked;
        int status = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        times[i] = now_ms() - start;
        if (status != Z_STREAM_END || stream.total_out != unpacked) {
            fprintf(stderr, "%s: inflate failed (%d)\n", argv[1], status);
            return 1;
        }
    }
    if (crc32(0, out, unpacked) != crc) {
        fprintf(stderr, "%s: CRC mismatch\n", argv[1]);
        return 1;
    }
    /* The first two runs warm the caches and are not counted. */
    qsort(times + 2, (size_t)runs, sizeof *times, compare);
    printf("inflate %.3f %.3f %.3f %d %u\n", times[2 + runs / 2], times[2], times[1 + runs], runs,
           unpacked);
    free(times);
    free(out);
    free(package);
    return 0;
}
