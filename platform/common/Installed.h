// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>

// The one instance of a long-lived object that the program, where it is put together, installs for the
// class-level accessors (`sharedManager`). Code below the program gets its objects passed in; an accessor used
// before anything was installed is a fault in the program, so it stops with a message instead of making a
// stand-in that would lose what it is given.
template <class T> class Installed {
public:
    static T& get(const char* what) {
        if (!slot()) {
            std::fprintf(stderr, "redizado: %s was used before the program installed one\n", what);
            std::abort();
        }
        return *slot();
    }
    // Nothing takes the installed one away again.
    static void set(T* instance) { slot() = instance; }

private:
    static T*& slot() {
        static T* instance = nullptr;
        return instance;
    }
};
