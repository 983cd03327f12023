// The baseline that the square listing is measured against: the same squares, one
// printf("%d\n") per line.

#include <cstdint>
#include <cstdio>

int main()
{
    std::int32_t from = 0;
    std::int32_t to = 0;
    // The baseline's input is the benchmark's own, always two numbers in range.
    if (std::scanf("%d %d", &from, &to) != 2) {  // NOLINT(cert-err34-c)
        return 1;
    }
    for (std::int64_t n = from; n <= to; ++n) {
        const auto bits = static_cast<std::uint32_t>(n);
        std::printf("%d\n", static_cast<std::int32_t>(bits * bits));
    }
    return 0;
}
