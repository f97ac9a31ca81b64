// Start values of a group of globals: a copy of their bytes taken when the
// StartValues object is made at start-up (after the globals' own
// initialisers), written back by Restore. Each group's Reset function uses
// one, so a start value is written only at its global's definition.
// For plain data only (ints, chars, arrays of them, pointers).
#pragma once
#include <cstring>
#include <type_traits>
#include <vector>

class StartValues {
public:
    template <class... T>
    explicit StartValues(T&... vars)
    {
        (Keep(vars), ...);
    }
    void Restore() const
    {
        for (const Kept& k : kept_)
            memcpy(k.at, k.bytes.data(), k.bytes.size());
    }

private:
    struct Kept {
        void* at;
        std::vector<unsigned char> bytes;
    };
    template <class T>
    void Keep(T& var)
    {
        static_assert(std::is_trivially_copyable<T>::value, "plain data only");
        const unsigned char* p = reinterpret_cast<const unsigned char*>(&var);
        kept_.push_back({&var, std::vector<unsigned char>(p, p + sizeof var)});
    }
    std::vector<Kept> kept_;
};
