// Preloaded (LD_PRELOAD), it makes one folder behave as a full file system.
// VQ_FULL_DISK names the folder, optionally followed by ":" and the bytes
// still free. Writes to files under the folder succeed until those bytes are
// used (the last one short), then fail with ENOSPC; once nothing is left, the
// syncs of those files fail too. A copy by sendfile into the folder fails, as
// the kernel's copy would on a full disk. Everything else is untouched.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/sendfile.h>
#include <unistd.h>

// Lets a test tell that it runs under the shim.
int vq_full_disk_shim = 1;

static char active[4096];
static long long freeBytes;

static int OnFullDisk(int fd)
{
    const char* setting = getenv("VQ_FULL_DISK");
    if (!setting || !*setting)
        return 0;
    // A new setting starts a new disk.
    if (strcmp(setting, active) != 0) {
        snprintf(active, sizeof active, "%s", setting);
        const char* colon = strrchr(setting, ':');
        freeBytes = colon ? atoll(colon + 1) : 0;
    }
    const char* colon = strrchr(setting, ':');
    const size_t folderLength = colon ? (size_t)(colon - setting) : strlen(setting);
    char link[64], target[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, target, sizeof target - 1);
    if (length < 0)
        return 0;
    target[length] = '\0';
    return strncmp(target, setting, folderLength) == 0 && target[folderLength] == '/';
}

ssize_t write(int fd, const void* buffer, size_t count)
{
    static ssize_t (*realWrite)(int, const void*, size_t);
    if (!realWrite)
        realWrite = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    if (count > 0 && OnFullDisk(fd)) {
        if (freeBytes <= 0) {
            errno = ENOSPC;
            return -1;
        }
        if ((long long)count > freeBytes)
            count = (size_t)freeBytes;
        const ssize_t written = realWrite(fd, buffer, count);
        if (written > 0)
            freeBytes -= written;
        return written;
    }
    return realWrite(fd, buffer, count);
}

static int Sync(const char* name, int fd)
{
    if (OnFullDisk(fd) && freeBytes <= 0) {
        errno = ENOSPC;
        return -1;
    }
    int (*realSync)(int) = (int (*)(int))dlsym(RTLD_NEXT, name);
    return realSync(fd);
}

int fsync(int fd)
{
    return Sync("fsync", fd);
}
int fdatasync(int fd)
{
    return Sync("fdatasync", fd);
}

ssize_t sendfile(int out, int in, off_t* offset, size_t count)
{
    if (OnFullDisk(out)) {
        errno = ENOSPC;
        return -1;
    }
    ssize_t (*realSendfile)(int, int, off_t*, size_t) =
        (ssize_t(*)(int, int, off_t*, size_t))dlsym(RTLD_NEXT, "sendfile");
    return realSendfile(out, in, offset, count);
}
