// Linked into kiveron.exe only, not into the tests.
//
// The C++ run-time reports a misused container (a string grown past its
// largest size, an index out of range) through std::__throw_* functions
// whose library versions build std::logic_error and friends, and with them a
// second, reference-counted copy of the whole string implementation: about a
// fifth of the program, read from slow media at every start. Kiveron never
// tells these errors apart: any exception ends the program through the entry
// point's catch-all with exit code 0. So each of them throws std::bad_alloc
// here, which carries no string, and the library's versions stay out.
#include <new>

namespace std {

#define KIVERON_THROW_WITH_MESSAGE(name)                                                           \
    [[noreturn]] void name(const char*)                                                            \
    {                                                                                              \
        throw std::bad_alloc();                                                                    \
    }

KIVERON_THROW_WITH_MESSAGE(__throw_logic_error)
KIVERON_THROW_WITH_MESSAGE(__throw_domain_error)
KIVERON_THROW_WITH_MESSAGE(__throw_invalid_argument)
KIVERON_THROW_WITH_MESSAGE(__throw_length_error)
KIVERON_THROW_WITH_MESSAGE(__throw_out_of_range)
KIVERON_THROW_WITH_MESSAGE(__throw_runtime_error)
KIVERON_THROW_WITH_MESSAGE(__throw_range_error)
KIVERON_THROW_WITH_MESSAGE(__throw_overflow_error)
KIVERON_THROW_WITH_MESSAGE(__throw_underflow_error)

#undef KIVERON_THROW_WITH_MESSAGE

[[noreturn]] void __throw_out_of_range_fmt(const char*, ...)
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_alloc()
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_array_new_length()
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_cast()
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_typeid()
{
    throw std::bad_alloc();
}
[[noreturn]] void __throw_bad_exception()
{
    throw std::bad_alloc();
}

} // namespace std
