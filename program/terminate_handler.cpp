// The program's terminate handler, in place of libstdc++'s "verbose" one. That one writes the
// type of an uncaught exception to the standard error output, which a program of the Windows
// subsystem has not got, and brings the 45 KB C++ demangler into the .exe with it. This one ends the program the same
// way, by abort(), without the message nobody could read.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
