/* Preloaded into the 32-bit Wine loader run by qemu-i386 (scripts/wine32-env.sh).
 *
 * qemu 7.2 takes MAP_FIXED_NOREPLACE as a mere hint: when the address asked
 * for is taken it maps elsewhere instead of failing with EEXIST. Wine's search
 * for free address space then walks the whole 4 GB in small steps at every
 * process start (close to a minute of CPU). Here a mapping that did not land
 * where it had to is undone and fails as the kernel would.
 *
 * Built with the host compiler for i386 without any i386 headers or libraries:
 * the few types and functions needed are declared here; syscall() and
 * __errno_location() come from the guest's libc at run time. */

typedef unsigned int size_t;
typedef long long off64_t;

#define MAP_FIXED_NOREPLACE 0x100000
#define MAP_FAILED ((void *)-1)
#define EINVAL 22
#define EEXIST 17
#define SYS_munmap 91
#define SYS_mmap2 192
#define PAGE_MASK 4095

long syscall(long number, ...);
int *__errno_location(void);

static void *map(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    void *got;

    if (off & PAGE_MASK) {
        *__errno_location() = EINVAL;
        return MAP_FAILED;
    }
    /* mmap2 takes the offset in pages. */
    got = (void *)syscall(SYS_mmap2, addr, len, prot, flags, fd, (unsigned long)(off >> 12));
    if (got != MAP_FAILED && (flags & MAP_FIXED_NOREPLACE) && got != addr) {
        syscall(SYS_munmap, got, len);
        *__errno_location() = EEXIST;
        return MAP_FAILED;
    }
    return got;
}

void *mmap(void *addr, size_t len, int prot, int flags, int fd, long off)
{
    return map(addr, len, prot, flags, fd, (off64_t)(unsigned long)off);
}

void *mmap64(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    return map(addr, len, prot, flags, fd, off);
}

