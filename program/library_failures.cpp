// The standard library's reports of its misuse (a string cut beyond its end, a container grown
// past its limit), in place of libstdc++'s own. Those make their messages as std::logic_error,
// which keeps the old copy-on-write strings and brings some 50 KB into the .exe for texts nobody
// reads. These throw the same words; the window procedures catch every failure as std::exception
// and report what() either way. No code of the program catches the standard's narrower types
// (std::out_of_range and the like).
//
// Should the program ever need another of the library's reports, the linker stops with a second
// definition of these: then this file goes.
#include <cstdarg>
#include <cstddef>
#include <exception>
#include <new>

namespace {

class LibraryMisuse : public std::exception {
public:
    explicit LibraryMisuse(const char* what) noexcept { append(what); }

    // The library's formats hold only %s, %zu and %%, as its own formatter reads them.
    LibraryMisuse(const char* format, va_list values) noexcept {
        for (const char* at = format; *at; ++at) {
            if (at[0] == '%' && at[1] == 's') {
                append(va_arg(values, const char*));
                ++at;
            } else if (at[0] == '%' && at[1] == 'z' && at[2] == 'u') {
                appendNumber(va_arg(values, std::size_t));
                at += 2;
            } else if (at[0] == '%' && at[1] == '%') {
                appendChar('%');
                ++at;
            } else {
                appendChar(*at);
            }
        }
    }

    const char* what() const noexcept override { return what_; }

private:
    void appendChar(char c) noexcept {
        if (length_ + 1 < sizeof what_) what_[length_++] = c;
        what_[length_] = '\0';
    }
    void append(const char* text) noexcept {
        for (; text && *text; ++text) appendChar(*text);
    }
    void appendNumber(std::size_t number) noexcept {
        char digits[24];
        std::size_t count = 0;
        do {
            digits[count++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number != 0);
        while (count > 0) appendChar(digits[--count]);
    }

    char what_[256] = {};
    std::size_t length_ = 0;
};

}  // namespace

namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}

void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}

void __throw_length_error(const char* what) {
    throw LibraryMisuse(what);
}

void __throw_logic_error(const char* what) {
    throw LibraryMisuse(what);
}

void __throw_invalid_argument(const char* what) {
    throw LibraryMisuse(what);
}

void __throw_out_of_range(const char* what) {
    throw LibraryMisuse(what);
}

void __throw_out_of_range_fmt(const char* format, ...) {
    va_list values;
    va_start(values, format);
    const LibraryMisuse misuse(format, values);
    va_end(values);
    throw misuse;
}

}  // namespace std
