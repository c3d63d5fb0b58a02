/* A preloaded measuring shim for the real-window benchmarks, never linked
 * into the program. It notes, on the process's main thread:
 *   P <ns> <mallocs>  each return from SDL_RenderPresent,
 *                     SDL_UpdateWindowSurface or ...Rects, with the heap allocations made
 *                     on the main thread since the previous one;
 *   S <ns>            each return from an absolute CLOCK_MONOTONIC sleep
 *                     (the end of a paced frame).
 * Times are CLOCK_MONOTONIC nanoseconds. The notes are gathered in a small
 * fixed buffer and appended to $REPORT_BENCH_LOG whenever it fills and when
 * the process exits normally, so the shim's own memory does not grow with
 * the length of a run; the time of the first present goes at once to
 * $REPORT_BENCH_LOG.first. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

enum { MAX_NOTES = 4096 };
struct note {
  char kind;
  long long ns;
  long mallocs;
};
static struct note notes[MAX_NOTES];
static long note_count;
static long mallocs_since_present;
static __thread int thread_kind; /* 0 unknown, 1 main, 2 other */

extern void* __libc_malloc(size_t);
extern void* __libc_calloc(size_t, size_t);
extern void* __libc_realloc(void*, size_t);
extern void* __libc_memalign(size_t, size_t);
extern void __libc_free(void*);

static int on_main_thread(void) {
  if (thread_kind == 0) thread_kind = syscall(SYS_gettid) == getpid() ? 1 : 2;
  return thread_kind == 1;
}

static long long now_ns(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000000000ll + t.tv_nsec;
}

static void write_notes(void);

static void add_note(char kind, long mallocs) {
  if (note_count == MAX_NOTES) write_notes();
  if (note_count < MAX_NOTES) {
    notes[note_count].kind = kind;
    notes[note_count].ns = now_ns();
    notes[note_count].mallocs = mallocs;
    ++note_count;
  }
}

static void count_malloc(void) {
  if (on_main_thread()) ++mallocs_since_present;
}

void* malloc(size_t size) {
  count_malloc();
  return __libc_malloc(size);
}
void* calloc(size_t n, size_t size) {
  count_malloc();
  return __libc_calloc(n, size);
}
void* realloc(void* p, size_t size) {
  count_malloc();
  return __libc_realloc(p, size);
}
void* memalign(size_t alignment, size_t size) {
  count_malloc();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) { return memalign(alignment, size); }
int posix_memalign(void** out, size_t alignment, size_t size) {
  void* p = memalign(alignment, size);
  if (p == NULL) return 12; /* ENOMEM */
  *out = p;
  return 0;
}
void free(void* p) { __libc_free(p); }

static void note_first_present(void) {
  const char* path = getenv("REPORT_BENCH_LOG");
  if (path == NULL) return;
  char name[4096];
  snprintf(name, sizeof name, "%s.first", path);
  FILE* file = fopen(name, "w");
  if (file == NULL) return;
  fprintf(file, "%lld\n", notes[note_count - 1].ns);  // once, at the first present
  fclose(file);
}

static void note_present(void) {
  if (!on_main_thread()) return;
  static int presented;
  add_note('P', mallocs_since_present);
  mallocs_since_present = 0;
  if (!presented++ && note_count > 0) note_first_present();
}

int SDL_RenderPresent(void* renderer) {
  static int (*real)(void*);
  if (real == NULL) real = (int (*)(void*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
  int result = real(renderer);
  note_present();
  return result;
}

int SDL_UpdateWindowSurface(void* window) {
  static int (*real)(void*);
  if (real == NULL) real = (int (*)(void*))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface");
  int result = real(window);
  note_present();
  return result;
}

int SDL_UpdateWindowSurfaceRects(void* window, const void* rects, int count) {
  static int (*real)(void*, const void*, int);
  if (real == NULL) real = (int (*)(void*, const void*, int))dlsym(RTLD_NEXT, "SDL_UpdateWindowSurfaceRects");
  int result = real(window, rects, count);
  note_present();
  return result;
}

int clock_nanosleep(clockid_t clock, int flags, const struct timespec* until, struct timespec* left) {
  static int (*real)(clockid_t, int, const struct timespec*, struct timespec*);
  if (real == NULL)
    real = (int (*)(clockid_t, int, const struct timespec*, struct timespec*))dlsym(RTLD_NEXT, "clock_nanosleep");
  int result = real(clock, flags, until, left);
  if (result == 0 && clock == CLOCK_MONOTONIC && (flags & TIMER_ABSTIME) && on_main_thread()) add_note('S', 0);
  return result;
}

// Appends the gathered notes to the log with plain system calls (no stdio,
// no heap), then empties the buffer.
static void write_notes(void) {
  static int log_fd = -1;
  const char* path = getenv("REPORT_BENCH_LOG");
  if (path == NULL) return;
  if (log_fd < 0) log_fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (log_fd < 0) return;
  static char text[MAX_NOTES * 48];
  size_t length = 0;
  for (long i = 0; i < note_count; ++i)
    length += (size_t)snprintf(text + length, sizeof text - length, "%c %lld %ld\n", notes[i].kind, notes[i].ns,
                               notes[i].mallocs);
  for (size_t done = 0; done < length;) {
    ssize_t n = write(log_fd, text + done, length - done);
    if (n <= 0) break;
    done += (size_t)n;
  }
  note_count = 0;
}

__attribute__((destructor)) static void write_remaining_notes(void) { write_notes(); }
