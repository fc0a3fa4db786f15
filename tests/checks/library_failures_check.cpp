// The program's own reports of the standard library's misuse (program/library_failures.cpp): each
// still reaches a handler of std::exception, as every window procedure has, with the library's
// words. A program of its own and not a unit test: the test framework needs the library's other
// reports, and with them the library's own versions of these.
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Misuse {
    const char* what;
    std::function<void()> act;
    const char* words;
};

}  // namespace

int main() {
    const std::string text = "abc";
    std::vector<int> numbers(2);
    const char* volatile none = nullptr;
    const Misuse misuses[] = {
        {"a string cut beyond its end", [&] { (void)text.substr(5); },
         "basic_string::substr: __pos (which is 5) > this->size() (which is 3)"},
        {"a string's character beyond its end", [&] { (void)text.at(3); }, "basic_string::at"},
        {"a vector's element beyond its end", [&] { (void)numbers.at(2); },
         "vector::_M_range_check: __n (which is 2) >= this->size() (which is 2)"},
        {"a vector grown past its limit", [&] { numbers.reserve(numbers.max_size() + 1); }, "vector::reserve"},
        {"a string made from no text", [&] { const std::string made(none); }, "null"},
    };
    int failures = 0;
    for (const Misuse& misuse : misuses) {
        std::string reported = "nothing";
        try {
            misuse.act();
        } catch (const std::exception& e) {
            reported = e.what();
        }
        if (reported.find(misuse.words) == std::string::npos) {
            std::fprintf(stderr, "%s: reported \"%s\", not \"%s\"\n", misuse.what, reported.c_str(), misuse.words);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
