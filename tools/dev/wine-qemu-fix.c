/* wine-qemu-fix: LD_PRELOAD shim that lets the 32-bit Wine loader (wine32:i386,
 * Wine 8.0) run under qemu-user (qemu-i386-static 7.2) on x86-64 kernels that
 * cannot execute 32-bit code themselves.  Built and installed by
 * tools/dev/wine-setup.sh; loaded into i386 Wine processes by the binfmt_misc
 * wrapper it installs and by tools/dev/wine-run.
 *
 * It works around two qemu-user 7.2 bugs that break Wine:
 *
 * 1. mmap(MAP_FIXED_NOREPLACE) is treated as a plain hint: when the address is
 *    taken, qemu maps the region somewhere else instead of failing with EEXIST.
 *    Wine's address-space reservation (reserve_area, anon_mmap_tryfixed) then
 *    scatters PROT_NONE reservations over the address space, takes a minute,
 *    and finally cannot map the shared user data page at 0x7ffe0000
 *    ("failed to map the shared user data: c0000018").
 *    Fix: emulate MAP_FIXED_NOREPLACE (map at the hint, undo and fail with
 *    EEXIST if the kernel/qemu put it anywhere else).
 *
 * 2. The signal frame qemu builds always has sigcontext.trapno == -1.  Wine's
 *    i386 signal handlers dispatch on trapno, so every page fault becomes
 *    "Got unexpected trap -1" and an EXCEPTION_ILLEGAL_INSTRUCTION: guard
 *    pages, access violations caught by SEH/VEH, ... all break.
 *    Fix: interpose sigaction() for SIGSEGV/SIGBUS/SIGILL/SIGFPE/SIGTRAP and
 *    rebuild trapno from the signal number and si_code before calling the
 *    handler Wine installed.
 *
 * The shim is freestanding (no libc headers) so it builds with only
 * `gcc -m32 -c` and `ld -m elf_i386`, without the 32-bit multilib packages.
 * A no-op 64-bit twin is built from the same file (see the end) so that the
 * LD_PRELOAD entry "<dir>/$LIB/wine-qemu-fix.so" is silently satisfied in the
 * 64-bit processes Wine starts (wineserver, wine64, ...).
 */

#if defined(__i386__)

typedef unsigned int size_t;
typedef long long off64_t;

#define MAP_FIXED           0x10
#define MAP_FIXED_NOREPLACE 0x100000
#define EEXIST 17
#define EINVAL 22
#define NR_munmap 91
#define NR_mmap2  192

extern int *__errno_location(void);
extern void *dlsym(void *, const char *);
#define RTLD_NEXT ((void *)-1l)

/* Raw int $0x80 system call with up to six arguments (qemu emulates it). */
long wine_qemu_fix_syscall6(long nr, long a, long b, long c, long d, long e, long f)
    __attribute__((visibility("hidden")));
__asm__(".text\n\t.p2align 4\n\t.type wine_qemu_fix_syscall6,@function\n"
        "wine_qemu_fix_syscall6:\n\t"
        "push %ebx\n\tpush %esi\n\tpush %edi\n\tpush %ebp\n\t"
        "mov 20(%esp),%eax\n\tmov 24(%esp),%ebx\n\tmov 28(%esp),%ecx\n\t"
        "mov 32(%esp),%edx\n\tmov 36(%esp),%esi\n\tmov 40(%esp),%edi\n\t"
        "mov 44(%esp),%ebp\n\t"
        "int $0x80\n\t"
        "pop %ebp\n\tpop %edi\n\tpop %esi\n\tpop %ebx\n\tret\n\t"
        ".size wine_qemu_fix_syscall6,.-wine_qemu_fix_syscall6\n\t.previous");

static void *fail(int err)
{
    *__errno_location() = err;
    return (void *)-1;
}

static void *do_mmap(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    long r;
    int noreplace = flags & MAP_FIXED_NOREPLACE;

    if (off & 0xfff) return fail(EINVAL);
    if (noreplace) flags &= ~(MAP_FIXED_NOREPLACE | MAP_FIXED);
    r = wine_qemu_fix_syscall6(NR_mmap2, (long)addr, (long)len, prot, flags, fd, (long)(off >> 12));
    if ((unsigned long)r > -4096ul) return fail((int)-r);
    if (noreplace && (void *)r != addr)
    {
        wine_qemu_fix_syscall6(NR_munmap, r, (long)len, 0, 0, 0, 0);
        return fail(EEXIST);
    }
    return (void *)r;
}

__attribute__((visibility("default")))
void *mmap(void *addr, size_t len, int prot, int flags, int fd, long off)
{
    return do_mmap(addr, len, prot, flags, fd, (off64_t)off);
}

__attribute__((visibility("default")))
void *mmap64(void *addr, size_t len, int prot, int flags, int fd, off64_t off)
{
    return do_mmap(addr, len, prot, flags, fd, off);
}

/* --- trapno reconstruction ------------------------------------------------ */

#define SIGILL  4
#define SIGTRAP 5
#define SIGBUS  7
#define SIGFPE  8
#define SIGSEGV 11
#define SA_SIGINFO 4
#define SI_KERNEL 0x80
#define REG_TRAPNO 12   /* index in i386 mcontext gregs[] */

/* i386 glibc struct sigaction layout */
struct glibc_sigaction
{
    void (*handler)(int, void *, void *);
    unsigned long mask[32];
    int flags;
    void (*restorer)(void);
};
struct siginfo_head { int si_signo, si_errno, si_code; void *si_addr; };
struct ucontext_head
{
    unsigned long uc_flags;
    void *uc_link;
    void *ss_sp; int ss_flags; size_t ss_size;   /* uc_stack */
    int gregs[19];                                /* uc_mcontext.gregs */
};
typedef int (*sigaction_fn)(int, const struct glibc_sigaction *, struct glibc_sigaction *);

static sigaction_fn real_sigaction;
static void (*app_handlers[32])(int, void *, void *);

static int trap_for(int sig, int code)
{
    switch (sig)
    {
    case SIGSEGV: return code == SI_KERNEL ? 13 /* #GP */ : 14 /* #PF */;
    case SIGBUS:  return code == 1 /* BUS_ADRALN */ ? 17 /* #AC */ : 14;
    case SIGILL:  return 6;   /* #UD */
    case SIGFPE:  return code == 1 /* FPE_INTDIV */ ? 0 : code == 2 /* FPE_INTOVF */ ? 4 : 16;
    case SIGTRAP: return code == SI_KERNEL ? 3 /* int3 */ : 1 /* single step */;
    }
    return -1;
}

static void fixup_handler(int sig, void *info, void *ucontext)
{
    struct siginfo_head *si = info;
    struct ucontext_head *uc = ucontext;

    if (uc->gregs[REG_TRAPNO] == -1) uc->gregs[REG_TRAPNO] = trap_for(sig, si->si_code);
    app_handlers[sig](sig, info, ucontext);
}

static int is_fault_signal(int sig)
{
    return sig == SIGSEGV || sig == SIGBUS || sig == SIGILL || sig == SIGFPE || sig == SIGTRAP;
}

__attribute__((visibility("default")))
int sigaction(int sig, const struct glibc_sigaction *act, struct glibc_sigaction *old)
{
    struct glibc_sigaction copy;
    void (*prev)(int, void *, void *);
    int ret;

    if (!real_sigaction) real_sigaction = (sigaction_fn)dlsym(RTLD_NEXT, "sigaction");
    if (!is_fault_signal(sig)) return real_sigaction(sig, act, old);

    prev = app_handlers[sig];
    if (act && (act->flags & SA_SIGINFO) && act->handler != fixup_handler)
    {
        copy = *act;
        copy.handler = fixup_handler;
        app_handlers[sig] = act->handler;
        act = &copy;
    }
    ret = real_sigaction(sig, act, old);
    if (ret == 0 && old && old->handler == fixup_handler) old->handler = prev;
    return ret;
}

#else  /* 64-bit twin: intentionally empty */

__attribute__((visibility("default"))) int wine_qemu_fix_noop;

#endif
