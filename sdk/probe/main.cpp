// Strokewheel - mouse gestures for CAD drawing views.
// fxsdk-probe FILE: loads a module file the way the host is about to, in a process of its
// own, so that a damaged file takes only this process down. Exit 0 when it loads (and
// answers its version query, when it has one), 1 with the loader's reason on stdout.
#include <cstdio>

#include <dlfcn.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    void *library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::printf("%s\n", dlerror());
        std::fflush(stdout);
        _exit(1);
    }
    using VersionFn = void (*)(int &, int &, int &, int &);
    if (auto version = reinterpret_cast<VersionFn>(dlsym(library, "odrxGetAPIVersion"))) {
        int numbers[4] = {};
        version(numbers[0], numbers[1], numbers[2], numbers[3]);
    }
    // No unloading and no exit handlers: only loading is on trial.
    _exit(0);
}
