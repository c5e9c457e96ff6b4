// fontconfig keeps its font cache for the whole process and never frees it; Qt's font lookup
// for the PDF pages goes through it. LeakSanitizer reads this list when the tests run under
// AddressSanitizer; in other builds nothing calls it.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
