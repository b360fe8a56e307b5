/* Built into every program of a sanitizer build (cmake -DVQ_SANITIZE=ON), so
   that tests, end-to-end runs and hand runs all see the same options. */

/* The fault tests preload their full-disk library ahead of the runtime. */
const char* __asan_default_options(void)
{
    return "verify_asan_link_order=0:detect_leaks=1";
}

const char* __ubsan_default_options(void)
{
    return "print_stacktrace=1:halt_on_error=1";
}

/* What the system libraries keep for the life of the process. */
const char* __lsan_default_suppressions(void)
{
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n";
}
