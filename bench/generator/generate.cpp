#include "generator/generate.hpp"

#include <string_view>

namespace xlat::bench {

namespace {

constexpr std::string_view kPrelude = R"(/* Generated benchmark source */
#include <stdio.h>
#include <string.h>

#define MAX_ITEMS 100
#define SQR(x) ((x) * (x))

struct point {
    int x;
    int y;
};

typedef struct tagBox {
    int left;
    int top;
} BOX;

typedef double REAL;

static int counter = 0;
char greeting[] = "hello, \"world\"\n";

)";

// One function; "@" is replaced by its number.
constexpr std::string_view kFunction = R"(/* Function @: sums, counts and prints
   a few values of its input */
int work@(int n, char *buf)
{
    int i, total = 0;
    char c = 'a';
    struct point p;
    double ratio = 0.5;
    p.x = n;
    p.y = n * 2;
    for (i = 0; i < n; i++) {
        if (i % 3 == 0) {
            total += i; // every third one
        } else if (i % 3 == 1) {
            total -= 1;
        } else {
            total ^= i;
        }
    }
    while (total > 1000) {
        total /= 2;
    }
    switch (n) {
    case 1:
        total++;
        break;
    case 2: case 3:
        total--;
        break;
    default:
        total = SQR(total) % MAX_ITEMS;
    }
    do {
        n--;
    } while (n > 0);
    if (buf[0] == '\n' || buf[0] == '\t')
        c = '\\';
    if (buf[1] == ';') {
        counter++;
    }
#ifdef VERBOSE
    printf("work@ \"%d\"\n", total);
#endif
    printf("value of @: %d, %c, %f\n", total, c, ratio);
    return total + c + p.x;
}

void show@(const char *text)
{
    int k;
    for (k = 0; text[k] != 0; k++)
        putchar(text[k]);
    counter = counter + 1;
}

)";

}  // namespace

std::string GenerateSource(std::size_t bytes, bool crlf) {
    std::string text(kPrelude);
    text.reserve(bytes + kFunction.size() * 2);
    std::string number;
    for (unsigned n = 0; text.size() < bytes; ++n) {
        number = std::to_string(n);
        for (char c : kFunction) {
            if (c == '@')
                text += number;
            else
                text += c;
        }
    }
    text += "int main(void)\n{\n    work0(3, greeting);\n    show0(greeting);\n    return 0;\n}\n";
    if (!crlf) return text;
    std::string windows;
    windows.reserve(text.size() + text.size() / 20);
    for (char c : text) {
        if (c == '\n') windows += '\r';
        windows += c;
    }
    return windows;
}

}  // namespace xlat::bench
