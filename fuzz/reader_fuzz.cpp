// Differential fuzzing of the dialogue's number reading: any bytes are read, read after
// read, by read_int and by a plain model of the reading rules written on its own; each
// outcome, each number and the place where the next read starts must agree. A read that
// yields no number ends a run, so the comparison ends there too.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "number_text.hpp"

namespace {

// The fuzzer's bytes as a source of characters for read_int.
struct byte_source {
    std::string_view bytes;
    std::size_t next = 0;

    [[nodiscard]] int get()
    {
        if (next == bytes.size()) {
            return EOF;
        }
        return static_cast<unsigned char>(bytes[next++]);
    }
    void unget(int /*c*/)
    {
        --next;
    }
    [[nodiscard]] static bool failed()
    {
        return false;
    }
};

struct model_read {
    read_outcome outcome;
    std::int32_t value;
    std::size_t next;  // where the next read starts
};

// The rules, plainly: skip the white space of the C locale; then an optional sign; then
// the run of digits, which std::from_chars converts into the 32-bit type. A sign with no
// digit after it is taken; the character after it stays for the next read.
model_read model(std::string_view bytes, std::size_t at)
{
    const std::string_view spaces = " \t\n\v\f\r";
    while (at < bytes.size() && spaces.find(bytes[at]) != std::string_view::npos) {
        ++at;
    }
    if (at == bytes.size()) {
        return {read_outcome::end_of_input, 0, at};
    }
    std::size_t digits = at;
    if (bytes[at] == '+' || bytes[at] == '-') {
        ++digits;
    }
    std::size_t end = digits;
    while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9') {
        ++end;
    }
    if (end == digits) {
        return {read_outcome::not_a_number, 0, digits};
    }
    // from_chars takes a "-" but not a "+".
    const std::size_t token = bytes[at] == '+' ? digits : at;
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(bytes.data() + token, bytes.data() + end, value);
    if (error == std::errc::result_out_of_range) {
        return {read_outcome::out_of_range, 0, end};
    }
    if (error != std::errc{} || stop != bytes.data() + end) {
        std::abort();  // the model itself is wrong
    }
    return {read_outcome::number, value, end};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): bytes read as characters
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    byte_source source{bytes};
    for (;;) {
        const std::size_t start = source.next;
        const model_read expected = model(bytes, start);
        std::int32_t value = 0;
        const read_outcome outcome = read_int(source, EOF, value);
        const std::size_t next = source.next;
        if (outcome != expected.outcome || next != expected.next ||
            (outcome == read_outcome::number && value != expected.value)) {
            std::fprintf(stderr,
                         "read_int disagrees with the model at byte %zu: outcome %d, value %d, "
                         "next %zu; the model: outcome %d, value %d, next %zu\n",
                         start, static_cast<int>(outcome), value, next,
                         static_cast<int>(expected.outcome), expected.value, expected.next);
            std::abort();
        }
        if (outcome != read_outcome::number) {
            return 0;
        }
    }
}
