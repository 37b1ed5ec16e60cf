// Randomized sessions: a seeded generator of its own (the same sequence on
// every standard library), the seeds and the number of steps a run plays,
// and the text a failure carries so that its seed can be played again.
//
//   VOR_SESSION_STEPS=N   steps per seed (default: each session's own, short
//                         enough for a sanitizer build)
//   VOR_SESSION_SEED=S    play only seed S (decimal), e.g. one a failure named
//   VOR_SESSION_SEEDS=K   play K seeds, 1 to K, instead of the default ones
//                         (from VOR_SESSION_FIRST_SEED on when that is set)
//   VOR_SESSION_TRACE=1   print every step as it is played
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "vorplatform.h"

namespace vor::session {

// xorshift64*, seeded through splitmix64 so that small seeds spread.
class Rng {
public:
    explicit Rng(uint64_t seed) {
        uint64_t z = seed + 0x9e3779b97f4a7c15ull;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        m_state = (z ^ (z >> 31)) | 1;
    }
    uint64_t Next() {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545f4914f6cdd1dull;
    }
    // Uniform in [lo, hi], both inclusive.
    int Range(int lo, int hi) { return lo + (int)(Next() % (uint64_t)((int64_t)hi - lo + 1)); }
    bool Chance(int percent) { return Range(0, 99) < percent; }
    template <class T>
    const T& Pick(const std::vector<T>& v) { return v[(size_t)Range(0, (int)v.size() - 1)]; }

private:
    uint64_t m_state;
};

inline long EnvNumber(const char* name, long fallback) {
    const char* v = std::getenv(name);
    if (!v || !*v) return fallback;
    char* end = nullptr;
    const long n = std::strtol(v, &end, 10);
    return (end && *end == 0 && n > 0) ? n : fallback;
}

inline bool Trace() { return EnvNumber("VOR_SESSION_TRACE", 0) != 0; }

inline int Steps(int fallback) { return (int)EnvNumber("VOR_SESSION_STEPS", fallback); }

inline std::vector<uint64_t> Seeds(std::vector<uint64_t> defaults) {
    if (const long one = EnvNumber("VOR_SESSION_SEED", 0)) return {(uint64_t)one};
    if (const long k = EnvNumber("VOR_SESSION_SEEDS", 0)) {
        std::vector<uint64_t> all;
        const long first = EnvNumber("VOR_SESSION_FIRST_SEED", 1);
        for (long i = 0; i < k; ++i) all.push_back((uint64_t)(first + i));
        return all;
    }
    return defaults;
}

// Bytes outside printable ASCII as \xNN, for failure messages.
inline std::string Escape(const std::string& s) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += (char)c;
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

inline std::string ReplayHint(uint64_t seed, int step) {
    return "seed " + std::to_string(seed) + ", step " + std::to_string(step) +
           " (replay: VOR_SESSION_SEED=" + std::to_string(seed) + ")";
}

// Live GDI objects of every kind, for the baseline checks around paints.
struct GdiCounts {
    int n[8] = {};
    static GdiCounts Now() {
        GdiCounts c;
        for (int k = 0; k < 8; ++k) c.n[k] = VorGdiObjectCount(k);
        return c;
    }
    bool operator==(const GdiCounts& o) const {
        for (int k = 0; k < 8; ++k)
            if (n[k] != o.n[k]) return false;
        return true;
    }
    std::string Text() const {
        std::string s;
        static const char* kNames[] = {"all", "dc", "bitmap", "pen", "brush", "font", "region", "icon"};
        for (int k = 0; k < 8; ++k) s += std::string(k ? " " : "") + kNames[k] + "=" + std::to_string(n[k]);
        return s;
    }
};

}  // namespace vor::session
