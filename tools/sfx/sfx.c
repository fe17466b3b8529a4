/*
 * Self-extracting package stub.
 *
 * The package is this program followed by a ZIP archive whose offsets count
 * from the start of the whole file. Started in a directory, the stub unpacks
 * every member of that archive into the current directory:
 *
 *   qv_temp.exe -o    replace an existing file of the member's name
 *   qv_temp.exe       leave an existing file alone and fail instead
 *
 * It never shows a window and never asks anything; the exit code tells the
 * outcome (see SfxResult). Each member is inflated into a temporary file in
 * the same directory, its size and CRC-32 are checked, and only then is it
 * renamed to the member's name, so a failed unpack never leaves a half file
 * where a good one was.
 *
 * Built without the C runtime: the entry point is SfxEntry, and the only
 * imports are KERNEL32's. zlib's inflater comes from its static library; the
 * three things it wants of a C runtime (memcpy and its allocator's zcalloc
 * and zcfree) are defined here, so that the object that would bring in the C
 * runtime's malloc is never linked. One DLL less is also one less for the
 * loader to map and start: the stub's start is a good part of its run time.
 */

#define WIN32_LEAN_AND_MEAN
#define ZLIB_CONST
#include <windows.h>
#include <zlib.h>

typedef enum SfxResult {
    SFX_OK = 0,
    SFX_CANNOT_READ_SELF = 1, /* own file not found, opened or mapped */
    SFX_NO_ARCHIVE = 2,       /* no end-of-central-directory record */
    SFX_BAD_ARCHIVE = 3,      /* broken structure, unsupported entry, bad deflate data */
    SFX_CRC_MISMATCH = 4,     /* unpacked data differ from the stored CRC-32 */
    SFX_CANNOT_WRITE = 5,     /* temporary file, write or rename failed */
    SFX_FILE_EXISTS = 6,      /* the member's file exists and "-o" was not given */
    SFX_NO_MEMORY = 7         /* the inflater could not get its state */
} SfxResult;

enum {
    EOCD_SIZE = 22,
    EOCD_MAX_COMMENT = 0xFFFF,
    CENTRAL_HEADER_SIZE = 46,
    LOCAL_HEADER_SIZE = 30,
    METHOD_STORED = 0,
    METHOD_DEFLATED = 8,
    FLAG_ENCRYPTED = 0x0001,
    WINDOW_BITS = 15,
    CRC_POLYNOMIAL = 0xEDB88320u
};

typedef struct Image {
    const unsigned char *data;
    DWORD size;
} Image;

typedef struct Member {
    char name[MAX_PATH];
    const unsigned char *data;
    DWORD packedSize;
    DWORD size;
    DWORD crc;
    WORD method;
    WORD dosTime;
    WORD dosDate;
} Member;

/*
 * Comes from VirtualAlloc and is handed down, never a static: with
 * -fdata-sections GCC puts even zeroed statics into .data$ sections, and a
 * .data section costs the file a whole 512-byte block.
 */
typedef struct Workspace {
    /* CRC-32 four bytes at a time: crcTable[k][b] is the CRC of b followed by k zero bytes. */
    DWORD crcTable[4][256];
    unsigned char window[1u << WINDOW_BITS];
} Workspace;

typedef struct Sink {
    const Workspace *work;
    HANDLE file;
    DWORD crc;
    DWORD written;
    int failed;
} Sink;

/* What zlib calls for memory (its zutil.c's default allocator, which this replaces). */
void *zcalloc(void *opaque, unsigned items, unsigned size);
void zcfree(void *opaque, void *block);

void *zcalloc(void *opaque, unsigned items, unsigned size)
{
    (void)opaque;
    if (size != 0 && items > 0xFFFFFFFFu / size)
        return NULL;
    return VirtualAlloc(NULL, (SIZE_T)items * size, MEM_COMMIT, PAGE_READWRITE);
}

void zcfree(void *opaque, void *block)
{
    (void)opaque;
    if (block)
        VirtualFree(block, 0, MEM_RELEASE);
}

/* zlib copies stored blocks and window contents with it. */
void *memcpy(void *to, const void *from, size_t length)
{
    void *result = to;
    __asm__ volatile("rep movsb" : "+D"(to), "+S"(from), "+c"(length) : : "memory");
    return result;
}

static DWORD Get16(const unsigned char *p)
{
    return (DWORD)p[0] | (DWORD)p[1] << 8;
}

static DWORD Get32(const unsigned char *p)
{
    return Get16(p) | Get16(p + 2) << 16;
}

/* True when [offset, offset + length) lies inside [0, limit). */
static int Fits(DWORD offset, DWORD length, DWORD limit)
{
    return offset <= limit && length <= limit - offset;
}

static void MakeCrcTable(Workspace *work)
{
    for (DWORD n = 0; n < 256; ++n) {
        DWORD c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? CRC_POLYNOMIAL ^ (c >> 1) : c >> 1;
        work->crcTable[0][n] = c;
    }
    for (DWORD n = 0; n < 256; ++n)
        for (int k = 1; k < 4; ++k) {
            DWORD c = work->crcTable[k - 1][n];
            work->crcTable[k][n] = work->crcTable[0][c & 0xFF] ^ (c >> 8);
        }
}

static DWORD UpdateCrc(const Workspace *work, DWORD crc, const unsigned char *p, DWORD length)
{
    const DWORD(*table)[256] = work->crcTable;
    crc = ~crc;
    for (; length >= 4; length -= 4, p += 4) {
        crc ^= Get32(p);
        crc = table[3][crc & 0xFF] ^ table[2][(crc >> 8) & 0xFF] ^ table[1][(crc >> 16) & 0xFF]
              ^ table[0][crc >> 24];
    }
    while (length--)
        crc = table[0][(crc ^ *p++) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

/* "-o" anywhere after the program's own name. */
static int WantsOverwrite(void)
{
    const char *p = GetCommandLineA();
    if (*p == '"') {
        for (++p; *p && *p != '"'; ++p) {
        }
        if (*p)
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    for (; *p; ++p)
        if (p[0] == '-' && p[1] == 'o')
            return 1;
    return 0;
}

/*
 * A member is written under its own name in the current directory only:
 * printable ASCII, no path, no drive, nothing Windows would read otherwise.
 */
static int IsPlainFileName(const unsigned char *name, DWORD length)
{
    if (length == 0 || length >= MAX_PATH)
        return 0;
    for (DWORD i = 0; i < length; ++i) {
        unsigned char c = name[i];
        if (c < 0x20 || c > 0x7E)
            return 0;
        switch (c) {
        case '\\': case '/': case ':': case '*': case '?':
        case '"': case '<': case '>': case '|':
            return 0;
        default:
            break;
        }
    }
    /* Windows drops trailing dots and blanks: "x." would name "x", "." the directory. */
    return name[length - 1] != '.' && name[length - 1] != ' ';
}

static int WriteChunk(Sink *sink, const unsigned char *chunk, DWORD length)
{
    DWORD done = 0;
    if (!WriteFile(sink->file, chunk, length, &done, NULL) || done != length) {
        sink->failed = 1;
        return 0;
    }
    sink->crc = UpdateCrc(sink->work, sink->crc, chunk, length);
    sink->written += length;
    return 1;
}

/* inflateBack's output callback: non-zero stops the inflater. */
static int OutputChunk(void *context, unsigned char *chunk, unsigned length)
{
    return !WriteChunk(context, chunk, length);
}

static unsigned NoMoreInput(void *context, const unsigned char **chunk)
{
    (void)context;
    *chunk = NULL;
    return 0;
}

static SfxResult Inflate(const Member *member, Sink *sink, unsigned char *window)
{
    z_stream stream;
    ZeroMemory(&stream, sizeof stream);
    if (inflateBackInit(&stream, WINDOW_BITS, window) != Z_OK)
        return SFX_NO_MEMORY;
    stream.next_in = member->data;
    stream.avail_in = member->packedSize;
    int status = inflateBack(&stream, NoMoreInput, NULL, OutputChunk, sink);
    inflateBackEnd(&stream);
    if (status == Z_STREAM_END)
        return SFX_OK;
    if (sink->failed)
        return SFX_CANNOT_WRITE;
    return status == Z_MEM_ERROR ? SFX_NO_MEMORY : SFX_BAD_ARCHIVE;
}

static SfxResult Unpack(const Member *member, HANDLE file, Workspace *work)
{
    Sink sink = { work, file, 0, 0, 0 };
    SfxResult result;
    if (member->method == METHOD_STORED) {
        result = WriteChunk(&sink, member->data, member->packedSize) ? SFX_OK : SFX_CANNOT_WRITE;
    } else {
        result = Inflate(member, &sink, work->window);
    }
    if (result != SFX_OK)
        return result;
    if (sink.written != member->size)
        return SFX_BAD_ARCHIVE;
    if (sink.crc != member->crc)
        return SFX_CRC_MISMATCH;
    return SFX_OK;
}

/* The member's date, as the archive keeps it in local time; a failure leaves the current time. */
static void StampFile(HANDLE file, const Member *member)
{
    FILETIME local, utc;
    if (member->dosDate != 0 && DosDateTimeToFileTime(member->dosDate, member->dosTime, &local)
        && LocalFileTimeToFileTime(&local, &utc))
        SetFileTime(file, NULL, NULL, &utc);
}

static SfxResult MoveIntoPlace(const char *from, const char *to, int overwrite)
{
    if (!overwrite) {
        if (MoveFileA(from, to))
            return SFX_OK;
        DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS
                   ? SFX_FILE_EXISTS : SFX_CANNOT_WRITE;
    }
    /* Looked up, not imported: Windows 95 lacks it, and the stub must still load there. */
    typedef BOOL(WINAPI * MoveFileExFunction)(const char *, const char *, DWORD);
    MoveFileExFunction moveFileEx =
        (MoveFileExFunction)(void (*)(void))GetProcAddress(GetModuleHandleA("KERNEL32"), "MoveFileExA");
    if (moveFileEx) {
        if (moveFileEx(from, to, MOVEFILE_REPLACE_EXISTING))
            return SFX_OK;
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
            return SFX_CANNOT_WRITE;
    }
    /* Without it: delete, then rename. The new file is complete before the old one goes. */
    DeleteFileA(to);
    return MoveFileA(from, to) ? SFX_OK : SFX_CANNOT_WRITE;
}

static SfxResult ExtractMember(const Member *member, int overwrite, Workspace *work)
{
    if (!overwrite && GetFileAttributesA(member->name) != INVALID_FILE_ATTRIBUTES)
        return SFX_FILE_EXISTS;

    char temporary[MAX_PATH];
    if (!GetTempFileNameA(".", "qvx", 0, temporary))
        return SFX_CANNOT_WRITE;
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary);
        return SFX_CANNOT_WRITE;
    }
    SfxResult result = Unpack(member, file, work);
    if (result == SFX_OK)
        StampFile(file, member);
    if (!CloseHandle(file) && result == SFX_OK)
        result = SFX_CANNOT_WRITE;
    if (result == SFX_OK)
        result = MoveIntoPlace(temporary, member->name, overwrite);
    if (result != SFX_OK)
        DeleteFileA(temporary);
    return result;
}

/*
 * Reads the central directory entry at *offset, which must end by directoryEnd, and the
 * local header it points to, which must lie before the directory; advances *offset.
 */
static SfxResult ReadMember(const Image *image, DWORD directory, DWORD directoryEnd, DWORD *offset,
                            Member *member)
{
    const unsigned char *base = image->data;
    DWORD at = *offset;
    if (!Fits(at, CENTRAL_HEADER_SIZE, directoryEnd) || Get32(base + at) != 0x02014B50u)
        return SFX_BAD_ARCHIVE;
    const unsigned char *entry = base + at;
    DWORD flags = Get16(entry + 8);
    DWORD nameLength = Get16(entry + 28);
    DWORD entryLength = CENTRAL_HEADER_SIZE + nameLength + Get16(entry + 30) + Get16(entry + 32);
    if (!Fits(at, entryLength, directoryEnd))
        return SFX_BAD_ARCHIVE;
    *offset = at + entryLength;

    member->method = (WORD)Get16(entry + 10);
    member->dosTime = (WORD)Get16(entry + 12);
    member->dosDate = (WORD)Get16(entry + 14);
    member->crc = Get32(entry + 16);
    member->packedSize = Get32(entry + 20);
    member->size = Get32(entry + 24);
    if ((flags & FLAG_ENCRYPTED) || Get16(entry + 34) != 0
        || (member->method != METHOD_STORED && member->method != METHOD_DEFLATED)
        || (member->method == METHOD_STORED && member->packedSize != member->size)
        || !IsPlainFileName(entry + CENTRAL_HEADER_SIZE, nameLength))
        return SFX_BAD_ARCHIVE;
    CopyMemory(member->name, entry + CENTRAL_HEADER_SIZE, nameLength);
    member->name[nameLength] = '\0';

    /* The local header and the data lie before the central directory; the names agree. */
    DWORD local = Get32(entry + 42);
    if (!Fits(local, LOCAL_HEADER_SIZE, directory) || Get32(base + local) != 0x04034B50u
        || Get16(base + local + 26) != nameLength)
        return SFX_BAD_ARCHIVE;
    DWORD headerLength = LOCAL_HEADER_SIZE + nameLength + Get16(base + local + 28);
    if (!Fits(local, headerLength, directory)
        || !Fits(local + headerLength, member->packedSize, directory))
        return SFX_BAD_ARCHIVE;
    for (DWORD i = 0; i < nameLength; ++i)
        if (base[local + LOCAL_HEADER_SIZE + i] != (unsigned char)member->name[i])
            return SFX_BAD_ARCHIVE;
    member->data = base + local + headerLength;
    return SFX_OK;
}

static SfxResult ExtractArchive(const Image *image, int overwrite, Workspace *work)
{
    const unsigned char *base = image->data;
    if (image->size < EOCD_SIZE)
        return SFX_NO_ARCHIVE;

    /* The end record is the last one whose comment reaches exactly to the end of the file. */
    DWORD last = image->size - EOCD_SIZE;
    DWORD first = last > EOCD_MAX_COMMENT ? last - EOCD_MAX_COMMENT : 0;
    DWORD eocd = 0;
    int found = 0;
    for (DWORD at = last + 1; at-- > first;) {
        if (Get32(base + at) == 0x06054B50u && Get16(base + at + 20) == last - at) {
            eocd = at;
            found = 1;
            break;
        }
    }
    if (!found)
        return SFX_NO_ARCHIVE;

    const unsigned char *end = base + eocd;
    DWORD entries = Get16(end + 10);
    DWORD directorySize = Get32(end + 12);
    DWORD directory = Get32(end + 16);
    if (Get16(end + 4) != 0 || Get16(end + 6) != 0 || Get16(end + 8) != entries || entries == 0
        || !Fits(directory, directorySize, eocd))
        return SFX_BAD_ARCHIVE;

    DWORD directoryEnd = directory + directorySize;
    DWORD offset = directory;
    for (DWORD i = 0; i < entries; ++i) {
        Member member;
        SfxResult result = ReadMember(image, directory, directoryEnd, &offset, &member);
        if (result == SFX_OK)
            result = ExtractMember(&member, overwrite, work);
        if (result != SFX_OK)
            return result;
    }
    return SFX_OK;
}

static SfxResult Run(void)
{
    char self[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, self, sizeof self);
    if (length == 0 || length >= sizeof self)
        return SFX_CANNOT_READ_SELF;

    HANDLE file = CreateFileA(self, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return SFX_CANNOT_READ_SELF;
    SfxResult result = SFX_CANNOT_READ_SELF;
    Image image = { NULL, GetFileSize(file, NULL) };
    HANDLE mapping = image.size != INVALID_FILE_SIZE && image.size != 0
                         ? CreateFileMappingA(file, NULL, PAGE_READONLY, 0, 0, NULL) : NULL;
    if (mapping) {
        image.data = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
        if (image.data) {
            /* Released with the process. */
            Workspace *work = VirtualAlloc(NULL, sizeof *work, MEM_COMMIT, PAGE_READWRITE);
            if (work) {
                MakeCrcTable(work);
                result = ExtractArchive(&image, WantsOverwrite(), work);
            } else {
                result = SFX_NO_MEMORY;
            }
            UnmapViewOfFile(image.data);
        }
        CloseHandle(mapping);
    }
    CloseHandle(file);
    return result;
}

__attribute__((noreturn)) void SfxEntry(void)
{
    ExitProcess((UINT)Run());
}
