// Compiled into every test executable (the sanitizers' hooks are only looked for there).
// Fontconfig, whose fonts pango matches in threads of its own, keeps its caches for the life of the
// process in a way the leak checker cannot follow; those are not our leaks.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
